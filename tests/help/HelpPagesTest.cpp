#include "advice/AdviceSet.h"
#include "advice/TagCatalogue.h"
#include "help/HelpPages.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
juce::File helpFolder() { return juce::File (KB_HELP_DIR); }

/** The values of one attribute (id, href, src) across a page. */
juce::StringArray attributeValues (const juce::String& page, const juce::String& attribute)
{
    juce::StringArray values;
    const auto key = " " + attribute + "=\"";

    for (int at = page.indexOf (key); at >= 0; at = page.indexOf (at + 1, key))
    {
        const auto start = at + key.length();
        values.add (page.substring (start, page.indexOf (start, "\"")));
    }

    return values;
}

/** The local file an address names, or an empty file when it is not a file:// address. */
juce::File fileOf (const juce::String& address)
{
    if (! address.startsWith ("file://"))
        return {};

    return juce::URL (address.upToFirstOccurrenceOf ("#", false, false)).getLocalFile();
}

/** The address of a file whose path has no character to escape: file:///tmp/a or file:///C:/a. */
juce::String plainAddress (const juce::File& file)
{
    const auto path = file.getFullPathName().replaceCharacter ('\\', '/');
    return (path.startsWith ("/") ? "file://" : "file:///") + path;
}
} // namespace

TEST (HelpPages, AddressesNameTheLocalPageInTheInterfaceLanguage)
{
    kbtest::TempFolder folder;
    HelpPages pages (folder.getFolder());
    const auto help = folder.getChildFile ("help");

    EXPECT_EQ (pages.getFolder(), help);
    EXPECT_EQ (pages.getPage (0), help.getChildFile ("fr.html"));
    EXPECT_EQ (pages.getPage (1), help.getChildFile ("en.html"));
    EXPECT_EQ (pages.getPage (2), help.getChildFile ("en.html"));

    EXPECT_EQ (pages.getAddress (1), plainAddress (help.getChildFile ("en.html")));
    EXPECT_EQ (pages.getAddress (0, HelpPages::setsSection), plainAddress (help.getChildFile ("fr.html")) + "#sets");
    EXPECT_EQ (fileOf (pages.getAddress (0, HelpPages::ideaSection)), pages.getPage (0));

    // Without a folder of its own, the guide is the one beside the executable.
    EXPECT_EQ (HelpPages().getFolder(),
               juce::File::getSpecialLocation (juce::File::currentApplicationFile).getSiblingFile ("help"));
}

TEST (HelpPages, NoCharacterOfAFolderNameReachesTheShell)
{
    kbtest::TempFolder temp;
    const auto folder = temp.getChildFile (juce::String (juce::CharPointer_UTF8 ("it's a \"$(touch x)\" `y` & \xc3\xa9t\xc3\xa9 #1")));
    HelpPages pages (folder);
    const auto address = pages.getAddress (0, HelpPages::sourceSection);

    EXPECT_TRUE (address.startsWith ("file:///"));
    EXPECT_TRUE (address.endsWith ("#source"));
    EXPECT_EQ (address.fromFirstOccurrenceOf ("file://", false, false).upToLastOccurrenceOf ("#", false, false)
                   .retainCharacters ("'\"$()`&# \\"), "");
    EXPECT_TRUE (address.contains ("%24%28touch"));
    EXPECT_TRUE (address.contains ("%C3%A9t%C3%A9"));
    EXPECT_EQ (fileOf (address), folder.getChildFile ("help/fr.html"));
}

TEST (HelpPages, BothPagesHoldEverySectionTheProgramOpensAndNeedNoNetwork)
{
    const char* const sections[] = { HelpPages::programSection, HelpPages::setsSection,
                                     HelpPages::ideaSection, HelpPages::sourceSection };
    juce::StringArray idsOfEachPage[2];

    for (int language : { 0, 1 })
    {
        HelpPages pages (helpFolder().getParentDirectory());
        const auto file = pages.getPage (language);
        ASSERT_TRUE (file.existsAsFile()) << file.getFullPathName();
        const auto page = file.loadFileAsString();
        const auto ids = attributeValues (page, "id");
        idsOfEachPage[language] = ids;

        EXPECT_TRUE (page.contains (language == 0 ? "<html lang=\"fr\">" : "<html lang=\"en\">"));

        for (auto* section : sections)
            EXPECT_TRUE (ids.contains (section)) << section << " in " << file.getFileName();

        // Every link leads somewhere: a section of the page, or a file shipped beside it.
        auto links = attributeValues (page, "href");
        links.addArray (attributeValues (page, "src"));
        EXPECT_GT (links.size(), 10);

        for (auto& link : links)
        {
            EXPECT_FALSE (link.containsChar (':')) << "not local: " << link;

            if (link.startsWithChar ('#'))
                EXPECT_TRUE (ids.contains (link.substring (1))) << link << " in " << file.getFileName();
            else
                EXPECT_TRUE (file.getParentDirectory().getChildFile (link.upToFirstOccurrenceOf ("#", false, false)).exists())
                    << link << " from " << file.getFileName();
        }

        EXPECT_FALSE (page.contains ("@import")) << file.getFileName();
        EXPECT_FALSE (page.contains ("url(")) << file.getFileName();
    }

    // The same sections in both languages: an address differs only by its page.
    idsOfEachPage[0].sort (false);
    idsOfEachPage[1].sort (false);
    EXPECT_EQ (idsOfEachPage[0], idsOfEachPage[1]);

    const auto style = helpFolder().getChildFile ("style.css").loadFileAsString();
    EXPECT_TRUE (style.isNotEmpty());
    EXPECT_FALSE (style.contains ("url(") || style.contains ("@import"));
}

TEST (HelpPages, TheTagTableForHandWrittenSetsIsTheCatalogue)
{
    const int categoryBases[] = { 0, 100, 200, 300, 400 };
    const int categorySizes[] = { 3, 6, 16, 24, 18 };
    TagCatalogue catalogue;

    for (int language : { 0, 1 })
    {
        catalogue.rebuild (language == 1);
        const auto page = HelpPages (helpFolder().getParentDirectory()).getPage (language).loadFileAsString();
        int rows = 0;

        for (int category = 0; category < 5; ++category)
        {
            for (int id = categoryBases[category]; id < categoryBases[category] + categorySizes[category]; ++id)
            {
                const auto name = catalogue.getTagName (id).replace ("&", "&amp;");
                ASSERT_TRUE (name.isNotEmpty()) << id;
                EXPECT_TRUE (page.contains ("<tr><td>" + juce::String (id) + "</td><td>" + name + "</td></tr>"))
                    << id << " " << name << " (language " << language << ")";
                ++rows;
            }
        }

        EXPECT_EQ (rows, 67);
        EXPECT_EQ (page.indexOf ("<tr><td>3</td>"), -1); // no id outside the catalogue
    }
}

TEST (HelpPages, BothPagesNameEveryBundledSetByItsFile)
{
    TagCatalogue catalogue;
    const auto sets = kbtest::getBundledDataFolder().findChildFiles (juce::File::findFiles, false, "*.kbs");
    ASSERT_FALSE (sets.isEmpty());

    for (int language : { 0, 1 })
    {
        const auto page = HelpPages (helpFolder().getParentDirectory()).getPage (language).loadFileAsString();

        for (auto& file : sets)
        {
            AdviceSet set (&catalogue);
            set.setFile (file);
            set.readFromFile (1);
            EXPECT_TRUE (page.contains ("<tr><td><code>" + file.getFileName() + "</code></td><td>"
                                        + set.getName().replace ("&", "&amp;") + "</td></tr>"))
                << file.getFileName() << " (language " << language << ")";
        }

        // No row left for a set that is no longer bundled.
        const auto table = page.fromFirstOccurrenceOf ("<table id=\"bundled\">", false, false)
                               .upToFirstOccurrenceOf ("</table>", false, false);
        int rows = 0;
        for (int at = table.indexOf ("<tr><td>"); at >= 0; at = table.indexOf (at + 1, "<tr><td>"))
            ++rows;
        EXPECT_EQ (rows, sets.size()) << "language " << language;
    }
}
