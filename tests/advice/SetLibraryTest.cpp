#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace
{
struct TestItem
{
    const char* text;
    const char* tags;
    bool favourite = false;
};

struct TestSetDescription
{
    juce::String name;
    int language;
    juce::Colour colour;
    std::vector<TestItem> items;
};

/** A base folder standing for the executable's, with its own "./data" and "../data". */
class SetLibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        base = temp.getChildFile ("root/app");
        ASSERT_TRUE (base.createDirectory().wasOk());
        library.setBaseFolder (base);
    }

    juce::File dataFolder() const { return base.getChildFile ("data"); }
    juce::File outerDataFolder() const { return base.getParentDirectory().getChildFile ("data"); }

    juce::File writeSet (const juce::File& file, const TestSetDescription& description)
    {
        file.getParentDirectory().createDirectory();
        AdviceSet set (&catalogue);
        set.setFile (file);
        set.setName (description.name);
        set.setAuthor ("Author of " + description.name);
        set.setDescription ("About " + description.name);
        set.setLanguage (description.language);
        set.setColour (description.colour);

        for (auto& item : description.items)
        {
            set.addItem();
            auto index = set.getNumItems() - 1;
            set.setItemText (index, item.text);
            set.setItemTagsFromString (index, item.tags);
            set.setItemFavourite (index, item.favourite);
        }

        EXPECT_TRUE (set.writeToFile());
        return file;
    }

    // Windows lets only administrators, or developer mode, make symbolic links: not here.
    const bool linksAllowed = (juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Windows) == 0;

    /** Two French sets and one English set; items deliberately written out of order. */
    void writeStandardSets()
    {
        writeSet (dataFolder().getChildFile ("Demo.kbs"),
                  { "Demo", 0, juce::Colour (0xff20a040),
                    { { "write a 7/4 section", "2,406," }, { "Ajoute des cuivres", "1,202," }, { "baisse le tempo", "0,", true } } });
        writeSet (dataFolder().getChildFile ("Autre.kbs"),
                  { "Autre", 0, juce::Colour (0xff3050c0), { { "Zeste", "406,1," }, { "Accord", "0," } } });
        writeSet (dataFolder().getChildFile ("English.kbs"),
                  { "English", 1, juce::Colour (0xffc03020),
                    { { "use a drone", "0,406," }, { "Mute the drums", "2,204,", true } } });
    }

    juce::StringArray poolTexts() const
    {
        juce::StringArray texts;

        for (int i = 0; i < library.getPoolSize(); ++i)
            texts.add (library.getPoolText (i));

        return texts;
    }

    juce::StringArray sorted (juce::StringArray texts) const
    {
        texts.sort (false);
        return texts;
    }

    void expectEmptyPoolEntry (int poolIndex) const
    {
        EXPECT_EQ (library.getPoolText (poolIndex), juce::String());
        EXPECT_EQ (library.getPoolSetName (poolIndex), juce::String());
        EXPECT_EQ (library.getPoolAuthor (poolIndex), juce::String());
        EXPECT_EQ (library.getPoolColour (poolIndex).getARGB(), 0xffd3d3d3u);
        EXPECT_FALSE (library.isPoolFavourite (poolIndex));
    }

    /** The favourite flag of an item as its file holds it, read by a set of its own. */
    bool favouriteOnDisk (const juce::File& file, const juce::String& text)
    {
        AdviceSet set (&catalogue);
        set.setFile (file);
        set.readFromFile (2);

        for (int i = 0; i < set.getNumItems(); ++i)
            if (set.getItemText (i) == text)
                return set.isItemFavourite (i);

        ADD_FAILURE() << "no item " << text << " in " << file.getFullPathName();
        return false;
    }

    kbtest::TempFolder temp;
    juce::File base;
    TagCatalogue catalogue;
    SetLibrary library { &catalogue };
};

//==============================================================================
TEST_F (SetLibraryTest, PrefersTheDataFolderBesideTheExecutable)
{
    writeSet (dataFolder().getChildFile ("Inner.kbs"), { "Inner", 1, juce::Colours::red, { { "inner advice", "0," } } });
    writeSet (outerDataFolder().getChildFile ("Outer.kbs"), { "Outer", 1, juce::Colours::blue, { { "outer advice", "0," } } });

    library.reload();

    EXPECT_EQ (library.findDataFolder(), dataFolder());
    EXPECT_EQ (library.getSetNames (-1), juce::StringArray ("Inner"));
}

TEST_F (SetLibraryTest, FallsBackToTheOuterDataFolderWhenTheInnerOneHoldsNoSet)
{
    // Neither a folder named like a set nor a file of another extension counts as a set.
    ASSERT_TRUE (dataFolder().getChildFile ("folder.kbs").createDirectory().wasOk());
    ASSERT_TRUE (dataFolder().getChildFile ("folder.kbs/inside.kbs").replaceWithText ("KindlebrookV1 - Set file"));
    ASSERT_TRUE (dataFolder().getChildFile ("notes.txt").replaceWithText ("Name=Notes;"));
    writeSet (outerDataFolder().getChildFile ("One.kbs"), { "One", 0, juce::Colours::red, { { "un", "0," } } });
    writeSet (outerDataFolder().getChildFile ("Two.kbs"), { "Two", 1, juce::Colours::blue, { { "two", "0," }, { "deux", "1," } } });

    library.reload();

    EXPECT_EQ (library.findDataFolder(), outerDataFolder());
    EXPECT_EQ (sorted (library.getSetNames (-1)), juce::StringArray ("One", "Two"));
    EXPECT_EQ (sorted (library.getSetFileNames (-1)), juce::StringArray ("One.kbs", "Two.kbs"));

    library.buildPool (-1, {}, -1, 0);
    EXPECT_EQ (library.getPoolSize(), 3);
}

TEST_F (SetLibraryTest, WithoutAnySetTheLibraryAndThePoolAreEmpty)
{
    ASSERT_TRUE (dataFolder().getChildFile ("sub/deeper.kbs").create().wasOk());
    ASSERT_TRUE (outerDataFolder().getChildFile ("only.kbs").createDirectory().wasOk());

    writeStandardSets();
    library.reload();
    library.buildPool (-1, {}, -1, 0);
    ASSERT_GT (library.getPoolSize(), 0);

    dataFolder().getChildFile ("Demo.kbs").deleteFile();
    dataFolder().getChildFile ("Autre.kbs").deleteFile();
    dataFolder().getChildFile ("English.kbs").deleteFile();
    library.reload();
    library.buildPool (-1, {}, -1, 0);

    EXPECT_EQ (library.getNumSets(), 0);
    EXPECT_EQ (library.getPoolSize(), 0);
    EXPECT_TRUE (library.getSetNames (-1).isEmpty());
    EXPECT_EQ (library.findDataFolder(), dataFolder());
    expectEmptyPoolEntry (0);
    EXPECT_FALSE (library.setPoolFavourite (0, true));
}

TEST_F (SetLibraryTest, EditorFolderFollowsTheSameRulesBesideTheRealExecutable)
{
    auto executablesFolder = juce::File::getSpecialLocation (juce::File::currentApplicationFile).getParentDirectory();
    SetLibrary besideExecutable (&catalogue);
    besideExecutable.setBaseFolder (executablesFolder);
    besideExecutable.reload();

    if (besideExecutable.getNumSets() > 0)
        EXPECT_EQ (SetLibrary::getDataFolder(), besideExecutable.findDataFolder());
    else
        EXPECT_EQ (SetLibrary::getDataFolder(), executablesFolder.getChildFile ("data"));
}

//==============================================================================
TEST_F (SetLibraryTest, PoolFollowsLanguageAndTagInLibraryAndTextOrder)
{
    writeStandardSets();
    library.reload();
    ASSERT_EQ (library.getNumSets(), 3);

    library.buildPool (-1, {}, -1, 0);
    EXPECT_EQ (library.getPoolSize(), 7);

    // Sets one after another in library order, each set's items sorted by text.
    juce::StringArray expected;
    for (auto& fileName : library.getSetFileNames (-1))
    {
        if (fileName == "Demo.kbs")
            expected.addArray (juce::StringArray ("Ajoute des cuivres", "baisse le tempo", "write a 7/4 section"));
        else if (fileName == "Autre.kbs")
            expected.addArray (juce::StringArray ("Accord", "Zeste"));
        else
            expected.addArray (juce::StringArray ("Mute the drums", "use a drone"));
    }
    EXPECT_EQ (poolTexts(), expected);

    library.buildPool (1, {}, -1, 0);
    EXPECT_EQ (poolTexts(), juce::StringArray ("Mute the drums", "use a drone"));
    EXPECT_EQ (library.getPoolSetName (0), "English");
    EXPECT_EQ (library.getPoolAuthor (1), "Author of English");
    EXPECT_EQ (library.getPoolColour (1).getARGB(), 0xffc03020u);
    EXPECT_EQ (library.getSetNames (1), juce::StringArray ("English"));
    EXPECT_EQ (library.getSetFileNames (1), juce::StringArray ("English.kbs"));

    library.buildPool (0, {}, -1, 0);
    EXPECT_EQ (library.getPoolSize(), 5);
    EXPECT_EQ (sorted (library.getSetFileNames (0)), juce::StringArray ("Autre.kbs", "Demo.kbs"));

    library.buildPool (-1, {}, 406, 0);
    EXPECT_EQ (sorted (poolTexts()), juce::StringArray ("Zeste", "use a drone", "write a 7/4 section"));

    library.buildPool (-1, {}, 317, 0);
    EXPECT_EQ (library.getPoolSize(), 0);
}

TEST_F (SetLibraryTest, SetFileNameIsComparedWithoutCaseAndWinsOverTheLanguage)
{
    writeStandardSets();
    library.reload();

    library.buildPool (1, "demo.KBS", -1, 0);
    EXPECT_EQ (poolTexts(), juce::StringArray ("Ajoute des cuivres", "baisse le tempo", "write a 7/4 section"));
    EXPECT_EQ (library.getPoolSetName (2), "Demo");
    EXPECT_EQ (library.getPoolColour (0).getARGB(), 0xff20a040u);

    library.buildPool (-1, "Demo.kbs", 2, 0);
    EXPECT_EQ (poolTexts(), juce::StringArray ("write a 7/4 section"));

    library.buildPool (-1, "Demo", -1, 0);
    EXPECT_EQ (library.getPoolSize(), 0);

    library.buildPool (0, "Missing.kbs", -1, 0);
    EXPECT_EQ (library.getPoolSize(), 0);

    // Accents and a character beyond U+FFFF, a pair of UTF-16 units in Windows' file names.
    const auto clef = juce::String::fromUTF8 ("M\xc3\xa9lodies \xf0\x9d\x84\x9e.kbs");
    writeSet (dataFolder().getChildFile (clef), { "Clef", 1, juce::Colours::red, { { "hum it higher", "0," } } });
    library.reload();
    EXPECT_TRUE (library.getSetFileNames (1).contains (clef));
    library.buildPool (-1, clef, -1, 0);
    EXPECT_EQ (poolTexts(), juce::StringArray ("hum it higher"));

    // Names that differ only in case: the first in library order alone is chosen. Windows
    // names them one file.
    if (! juce::File::areFileNamesCaseSensitive())
        return;

    writeSet (dataFolder().getChildFile ("twin.kbs"), { "lower", 1, juce::Colours::red, { { "from lower", "0," } } });
    writeSet (dataFolder().getChildFile ("TWIN.kbs"), { "UPPER", 1, juce::Colours::blue, { { "from upper", "0," } } });
    library.reload();
    auto fileNames = library.getSetFileNames (-1);
    auto lowerFirst = fileNames.indexOf ("twin.kbs") < fileNames.indexOf ("TWIN.kbs");

    library.buildPool (-1, "Twin.KBS", -1, 0);
    EXPECT_EQ (poolTexts(), juce::StringArray (lowerFirst ? "from lower" : "from upper"));
}

TEST_F (SetLibraryTest, FavouritesModeSelectsFavouritesOrNothing)
{
    writeStandardSets();
    library.reload();

    library.buildPool (-1, {}, -1, 1);
    EXPECT_EQ (sorted (poolTexts()), juce::StringArray ("Mute the drums", "baisse le tempo"));
    for (int i = 0; i < library.getPoolSize(); ++i)
        EXPECT_TRUE (library.isPoolFavourite (i));

    library.buildPool (1, {}, 406, 1);
    EXPECT_EQ (library.getPoolSize(), 0);
    expectEmptyPoolEntry (0);

    for (juce::uint8 mode : { 2, 255 })
    {
        library.buildPool (-1, {}, -1, mode);
        EXPECT_EQ (library.getPoolSize(), 0) << "mode " << (int) mode;
    }
}

TEST_F (SetLibraryTest, IndexesOutsideThePoolGiveEmptyValues)
{
    writeStandardSets();
    library.reload();
    library.buildPool (1, {}, -1, 0);
    ASSERT_EQ (library.getPoolSize(), 2);

    for (auto index : { -1, 2, 1000 })
    {
        expectEmptyPoolEntry (index);
        EXPECT_FALSE (library.setPoolFavourite (index, true));
    }

    EXPECT_EQ (library.getSet (-1), nullptr);
    EXPECT_EQ (library.getSet (3), nullptr);
    EXPECT_EQ (library.getSet (0)->getReadMode(), 1);
}

//==============================================================================
TEST_F (SetLibraryTest, FavouriteToggleReachesTheFileAndSurvivesAReload)
{
    writeStandardSets();
    auto demoFile = dataFolder().getChildFile ("Demo.kbs");
    library.reload();
    library.buildPool (-1, "Demo.kbs", -1, 0);
    ASSERT_EQ (library.getPoolText (2), "write a 7/4 section");
    ASSERT_FALSE (library.isPoolFavourite (2));

    EXPECT_TRUE (library.setPoolFavourite (2, true));
    EXPECT_TRUE (library.isPoolFavourite (2));
    EXPECT_TRUE (favouriteOnDisk (demoFile, "write a 7/4 section"));

    EXPECT_TRUE (library.setPoolFavourite (1, false));
    EXPECT_FALSE (favouriteOnDisk (demoFile, "baisse le tempo"));

    library.reload();
    library.buildPool (-1, {}, -1, 1);
    EXPECT_EQ (sorted (poolTexts()), juce::StringArray ("Mute the drums", "write a 7/4 section"));

    // The rest of the set is written back unchanged.
    library.buildPool (-1, "Demo.kbs", -1, 0);
    EXPECT_EQ (poolTexts(), juce::StringArray ("Ajoute des cuivres", "baisse le tempo", "write a 7/4 section"));
    EXPECT_EQ (library.getSet (library.getSetFileNames (-1).indexOf ("Demo.kbs"))->getItemTagsString (2), "2,406,");
    EXPECT_EQ (library.getPoolAuthor (0), "Author of Demo");
}

TEST_F (SetLibraryTest, FailedFavouriteWriteIsReportedAndKeepsTheFilesFlag)
{
    writeStandardSets();
    auto demoFile = dataFolder().getChildFile ("Demo.kbs");
    library.reload();
    library.buildPool (-1, "Demo.kbs", -1, 0);
    ASSERT_EQ (library.getPoolSize(), 3);

    // A folder that is not empty cannot be replaced by the new file (even by root).
    ASSERT_TRUE (demoFile.deleteFile());
    ASSERT_TRUE (demoFile.getChildFile ("keep").create().wasOk());

    EXPECT_FALSE (library.setPoolFavourite (0, true));
    EXPECT_FALSE (library.isPoolFavourite (0));
    EXPECT_TRUE (demoFile.isDirectory());

    // The same with the whole data folder gone: nothing is created in its place.
    ASSERT_TRUE (dataFolder().deleteRecursively());
    EXPECT_FALSE (library.setPoolFavourite (1, false));
    EXPECT_TRUE (library.isPoolFavourite (1));
    EXPECT_FALSE (dataFolder().exists());
}

TEST_F (SetLibraryTest, StalePoolNeverEmptiesOrRecreatesASetFile)
{
    writeStandardSets();
    auto demoFile = dataFolder().getChildFile ("Demo.kbs");
    library.reload();
    library.buildPool (-1, "Demo.kbs", -1, 0);
    ASSERT_EQ (library.getPoolSize(), 3);

    // After a reload the sets hold headers only; the old pool must not write them out.
    library.reload();
    EXPECT_FALSE (library.setPoolFavourite (0, true));
    library.buildPool (-1, "Demo.kbs", -1, 0);
    EXPECT_EQ (library.getPoolSize(), 3);
    EXPECT_FALSE (library.isPoolFavourite (0));

    // A set file removed between two builds leaves nothing behind in the pool.
    ASSERT_TRUE (demoFile.deleteFile());
    library.buildPool (-1, "Demo.kbs", -1, 0);
    EXPECT_EQ (library.getPoolSize(), 0);
    EXPECT_FALSE (library.setPoolFavourite (0, true));
    EXPECT_FALSE (demoFile.exists());
}

/*  Reload keeps the sets of files it lists again; whatever changed on disk, the library must
    then look exactly like one that reads the folder for the first time. */
TEST_F (SetLibraryTest, ReloadAfterFilesChangedLooksLikeAFirstLoad)
{
    auto describe = [] (const SetLibrary& lib)
    {
        juce::StringArray lines;

        for (int i = 0; i < lib.getNumSets(); ++i)
        {
            auto* set = lib.getSet (i);
            lines.add (set->getFile().getFullPathName() + "|" + set->getName() + "|" + set->getDescription() + "|"
                       + set->getAuthor() + "|" + juce::String (set->getLanguage()) + "|"
                       + juce::String::toHexString ((int) set->getColour().getARGB()) + "|"
                       + juce::String (set->getReadMode()) + "|" + juce::String (set->getNumItems()));
        }

        return lines;
    };

    auto describePool = [] (const SetLibrary& lib)
    {
        juce::StringArray lines;

        for (int i = 0; i < lib.getPoolSize(); ++i)
            lines.add (lib.getPoolSetName (i) + "|" + lib.getPoolText (i) + "|" + lib.getPoolAuthor (i) + "|"
                       + juce::String::toHexString ((int) lib.getPoolColour (i).getARGB()) + "|"
                       + (lib.isPoolFavourite (i) ? "favourite" : ""));

        return lines;
    };

    auto expectLikeAFirstLoad = [&] (const juce::String& context)
    {
        library.reload();
        SetLibrary fresh (&catalogue);
        fresh.setBaseFolder (base);
        fresh.reload();

        const auto sets = describe (library);
        EXPECT_EQ (sets, describe (fresh)) << context;
        for (auto& line : sets)
            EXPECT_TRUE (line.endsWith ("|1|0") || line.endsWith ("|0|0")) << context << ": " << line;

        library.buildPool (-1, {}, -1, 0);
        fresh.buildPool (-1, {}, -1, 0);
        EXPECT_EQ (describePool (library), describePool (fresh)) << context;
        EXPECT_EQ (describe (library), describe (fresh)) << context;
    };

    writeStandardSets();
    library.reload();
    library.buildPool (-1, {}, -1, 0);
    ASSERT_EQ (library.getPoolSize(), 7);
    expectLikeAFirstLoad ("unchanged");

    // New header, fewer and other items, another favourite; a set gone, a set added.
    writeSet (dataFolder().getChildFile ("Demo.kbs"),
              { "Demo renamed", 1, juce::Colour (0xff102030), { { "only this", "5,", true } } });
    ASSERT_TRUE (dataFolder().getChildFile ("Autre.kbs").deleteFile());
    writeSet (dataFolder().getChildFile ("Neu.kbs"), { "Neu", 0, juce::Colour (0xff405060), { { "neu", "0," } } });
    expectLikeAFirstLoad ("rewritten, removed, added");

    // A current set turned into an older one, an empty file, and a link to nothing (no set file at all).
    const char legacy[] = "Nom=Vieux;Auteur=Anon;Ann\xe9" "e=2009;Description=Ancien;Language=0;Texte=vieux conseil;Attributs=GUIT,;Favori=1;";
    ASSERT_TRUE (dataFolder().getChildFile ("English.kbs").replaceWithData (legacy, sizeof (legacy) - 1));
    ASSERT_TRUE (dataFolder().getChildFile ("Neu.kbs").replaceWithData ("", 0));
    ASSERT_TRUE (dataFolder().getChildFile ("Demo.kbs").deleteFile());
    if (linksAllowed)
    {
        ASSERT_TRUE (dataFolder().getChildFile ("nowhere").createSymbolicLink (dataFolder().getChildFile ("Demo.kbs"), false));
    }
    expectLikeAFirstLoad ("changed kinds");

    // And back: every file a set again, with more items than before.
    ASSERT_TRUE (dataFolder().getChildFile ("Demo.kbs").deleteFile());
    writeSet (dataFolder().getChildFile ("Demo.kbs"),
              { "Demo again", 0, juce::Colour (0xff708090), { { "c", "1," }, { "a", "2,", true }, { "b", "" }, { "d", "3," } } });
    writeSet (dataFolder().getChildFile ("English.kbs"), { "English again", 1, juce::Colours::red, { { "x", "0," } } });
    expectLikeAFirstLoad ("sets again");
    EXPECT_EQ (library.getPoolSize(), 5);
}

//==============================================================================
TEST_F (SetLibraryTest, OddFilesKeepTheirPlaceWithoutAddingAdvice)
{
    writeStandardSets();
    ASSERT_TRUE (dataFolder().getChildFile ("folder.kbs").createDirectory().wasOk());
    ASSERT_TRUE (dataFolder().getChildFile ("empty.kbs").create().wasOk());
    ASSERT_TRUE (dataFolder().getChildFile ("bom.kbs").replaceWithData ("\xff\xfe", 2));
    ASSERT_TRUE (dataFolder().getChildFile ("random.kbs").replaceWithText ("not a set; just \x01 some = text;;"));
    if (linksAllowed)
    {
        ASSERT_TRUE (dataFolder().getChildFile ("nowhere").createSymbolicLink (dataFolder().getChildFile ("dangling.kbs"), false));
    }
   #if JUCE_LINUX
    // Opens as a file but every read fails, even for root.
    ASSERT_TRUE (juce::File ("/proc/self/mem").createSymbolicLink (dataFolder().getChildFile ("unreadable.kbs"), false));
   #endif

    library.reload();

    auto fileNames = library.getSetFileNames (-1);
    EXPECT_FALSE (fileNames.contains ("folder.kbs"));
    for (auto* name : { "empty.kbs", "bom.kbs", "random.kbs", "Demo.kbs", "Autre.kbs", "English.kbs" })
        EXPECT_TRUE (fileNames.contains (name)) << name;
    EXPECT_EQ (fileNames.contains ("dangling.kbs"), linksAllowed);
   #if JUCE_LINUX
    EXPECT_TRUE (fileNames.contains ("unreadable.kbs"));
    EXPECT_EQ (library.getNumSets(), 8);
   #endif

    // A link to nothing is no set file at all: a place with empty header fields.
    if (linksAllowed)
    {
        auto* dangling = library.getSet (fileNames.indexOf ("dangling.kbs"));
        ASSERT_NE (dangling, nullptr);
        EXPECT_TRUE (dangling->getName().isEmpty());
        EXPECT_TRUE (dangling->getAuthor().isEmpty());
    }

    // Empty or unreadable text is read as an older set without name or items.
    for (auto* name : { "empty.kbs", "bom.kbs", "unreadable.kbs" })
    {
        auto index = fileNames.indexOf (name);
        if (index < 0)
            continue;

        auto* set = library.getSet (index);
        EXPECT_TRUE (set->getName().isEmpty()) << name;
        EXPECT_EQ (set->getColour(), juce::Colours::orange) << name;
    }

    for (auto* name : { "empty.kbs", "bom.kbs", "random.kbs", "dangling.kbs", "unreadable.kbs" })
    {
        library.buildPool (-1, name, -1, 0);
        EXPECT_EQ (library.getPoolSize(), 0) << name;
    }

    library.buildPool (-1, {}, -1, 0);
    EXPECT_EQ (library.getPoolSize(), 7);
    library.buildPool (0, "RANDOM.kbs", -1, 0);
    EXPECT_EQ (library.getPoolSize(), 0);
}

TEST_F (SetLibraryTest, OlderSetFileTakesPartInThePool)
{
    writeStandardSets();
    // Latin-1 bytes, as such files were often stored.
    const char legacy[] = "Nom=Vieux set;\r\nAuteur=Anon;\r\nAnn\xe9" "e=2009;\r\nDescription=Ancien;\r\nLanguage=0;\r\n"
                          "Texte=joue plus lentement;\r\nAttributs=GUIT,;\r\nFavori=0;\r\n"
                          "Texte=\xe9" "coute le silence;\r\nAttributs=BASS,;\r\nFavori=1;\r\n";
    ASSERT_TRUE (dataFolder().getChildFile ("Vieux.kbs").replaceWithData (legacy, sizeof (legacy) - 1));

    library.reload();
    auto fileNames = library.getSetFileNames (0);
    ASSERT_TRUE (fileNames.contains ("Vieux.kbs"));
    EXPECT_TRUE (library.getSetNames (0).contains ("Vieux set"));
    EXPECT_EQ (library.getSet (library.getSetFileNames (-1).indexOf ("Vieux.kbs"))->getNumItems(), 0);

    library.buildPool (0, {}, 200, 0);
    EXPECT_EQ (poolTexts(), juce::StringArray ("joue plus lentement"));
    EXPECT_EQ (library.getPoolSetName (0), "Vieux set");
    EXPECT_EQ (library.getPoolAuthor (0), "Anon (2009)");
    EXPECT_EQ (library.getPoolColour (0), juce::Colours::orange);

    library.buildPool (1, "vieux.kbs", -1, 0);
    EXPECT_EQ (poolTexts(), juce::StringArray ("joue plus lentement", juce::String::fromUTF8 ("\xc3\xa9" "coute le silence")));
    EXPECT_FALSE (library.isPoolFavourite (1));
}

//==============================================================================
TEST (BundledSets, AreCompleteDistinctAndUseOnlyCatalogueTags)
{
    TagCatalogue catalogue;
    SetLibrary library (&catalogue);
    library.setBaseFolder (kbtest::getBundledDataFolder().getParentDirectory());
    library.reload();

    ASSERT_EQ (library.findDataFolder(), kbtest::getBundledDataFolder());
    ASSERT_GE (library.getNumSets(), 6);
    EXPECT_GE (library.getSetNames (0).size(), 3);
    EXPECT_GE (library.getSetNames (1).size(), 3);

    library.buildPool (-1, {}, -1, 0);

    std::set<juce::uint32> colours;
    std::set<int> categories;
    int totalItems = 0;

    for (int s = 0; s < library.getNumSets(); ++s)
    {
        auto* set = library.getSet (s);
        auto fileName = set->getFile().getFileName();
        SCOPED_TRACE (fileName.toStdString());

        EXPECT_EQ (AdviceSet::getSetFileKind (set->getFile()), 2);
        EXPECT_GE (set->getNumItems(), 40);
        EXPECT_TRUE (set->getName().trim().isNotEmpty());
        EXPECT_TRUE (set->getAuthor().trim().isNotEmpty());
        EXPECT_TRUE (set->getDescription().trim().isNotEmpty());
        EXPECT_TRUE (set->getLanguage() == 0 || set->getLanguage() == 1);
        EXPECT_TRUE (set->getColour().isOpaque());
        EXPECT_TRUE (colours.insert (set->getColour().getARGB()).second) << "colour shared with another set";

        for (int i = 0; i < set->getNumItems(); ++i)
        {
            auto text = set->getItemText (i);
            SCOPED_TRACE (text.toStdString());
            EXPECT_TRUE (text.trim().isNotEmpty());

            auto tagsText = set->getItemTagsString (i);
            auto tags = juce::StringArray::fromTokens (tagsText, ",", {});
            tags.removeEmptyStrings();
            ASSERT_EQ (tags.size(), set->getItemNumTags (i));

            int levels = 0;
            for (auto& tag : tags)
            {
                auto id = tag.getIntValue();
                EXPECT_TRUE (catalogue.getTagName (id).isNotEmpty()) << "unknown tag " << id;
                categories.insert (id / 100);
                levels += (id >= 0 && id <= 2) ? 1 : 0;
            }

            EXPECT_EQ (levels, 1) << tagsText;
            EXPECT_GE (tags.size(), 2) << tagsText;
        }

        totalItems += set->getNumItems();
    }

    EXPECT_EQ (library.getPoolSize(), totalItems);
    EXPECT_EQ (categories, (std::set<int> { 0, 1, 2, 3, 4 }));
}
} // namespace
