#include "advice/AdviceSet.h"
#include "advice/TagCatalogue.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

/** Every byte taken as the Latin-1 character of the same code. */
juce::String fromLatin1 (const juce::MemoryBlock& bytes)
{
    juce::String text;
    text.preallocateBytes (bytes.getSize() * 2);

    for (size_t i = 0; i < bytes.getSize(); ++i)
        text += juce::String::charToString ((juce::juce_wchar) (juce::uint8) bytes[i]);

    return text;
}

juce::MemoryBlock toLatin1 (const juce::String& text)
{
    juce::MemoryOutputStream out;

    for (auto p = text.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        EXPECT_LT ((int) c, 256);
        out.writeByte ((char) c);
    }

    return out.getMemoryBlock();
}

/** The set as the expected-result files describe it. */
juce::StringArray describe (const AdviceSet& set)
{
    juce::StringArray lines { "name=" + set.getName(), "author=" + set.getAuthor(),
                              "description=" + set.getDescription(), "language=" + juce::String (set.getLanguage()) };

    for (int i = 0; i < set.getNumItems(); ++i)
        lines.add (set.getItemText (i) + "|" + set.getItemTagsString (i));

    return lines;
}

class LegacyReaderTest : public ::testing::Test
{
protected:
    juce::File file (const juce::String& name = "legacy.kbs") const { return temp.getChildFile (name); }

    std::unique_ptr<AdviceSet> read (const juce::File& source, int mode = 2)
    {
        auto set = std::make_unique<AdviceSet> (&catalogue);
        set->setFile (source);
        set->readLegacyFromFile (mode);
        return set;
    }

    std::unique_ptr<AdviceSet> readBytes (const juce::MemoryBlock& bytes, int mode = 2)
    {
        EXPECT_TRUE (file().replaceWithData (bytes.getData(), bytes.getSize()));
        return read (file(), mode);
    }

    std::unique_ptr<AdviceSet> readUtf8 (const juce::String& text, int mode = 2)
    {
        return readBytes (juce::MemoryBlock (text.toRawUTF8(), text.getNumBytesAsUTF8()), mode);
    }

    kbtest::TempFolder temp;
    TagCatalogue catalogue;
};
} // namespace

//==============================================================================
TEST_F (LegacyReaderTest, Latin1FixtureReadsAsExpected)
{
    const auto fixture = kbtest::getFixture ("legacy-latin1.kbs");
    const auto expectedFile = kbtest::getFixture ("legacy-latin1.expected.txt");
    ASSERT_TRUE (fixture.existsAsFile());
    ASSERT_TRUE (expectedFile.existsAsFile());

    juce::StringArray expected;
    expected.addLines (expectedFile.loadFileAsString());
    expected.removeEmptyStrings();

    EXPECT_EQ (AdviceSet::getSetFileKind (fixture), 1);

    auto set = read (fixture);
    EXPECT_EQ (describe (*set), expected);
    EXPECT_EQ (set->getColour(), juce::Colour (0xffffa500));

    for (int i = 0; i < set->getNumItems(); ++i)
        EXPECT_FALSE (set->isItemFavourite (i)) << i;

    // The same text stored as UTF-8 (with or without byte-order mark) or UTF-16 reads the same.
    juce::MemoryBlock raw;
    ASSERT_TRUE (fixture.loadFileAsData (raw));
    const auto text = fromLatin1 (raw);
    ASSERT_TRUE (text.contains (utf8 ("Ann\xc3\xa9" "e=")));

    EXPECT_EQ (describe (*readUtf8 (text)), expected);
    EXPECT_EQ (describe (*readUtf8 (utf8 ("\xef\xbb\xbf") + text)), expected);

    ASSERT_TRUE (file().replaceWithText (text, true, true, nullptr));
    EXPECT_EQ (describe (*read (file())), expected);
}

TEST_F (LegacyReaderTest, Latin1LettersAreRepairedAndUtf8PassesUnchanged)
{
    // Every Latin-1 character from the no-break space up: the 30 accented letters among them.
    juce::String latinText ("Texte=");
    for (int c = 0xa0; c <= 0xff; ++c)
        latinText += juce::String::charToString ((juce::juce_wchar) c);
    latinText += ";";

    auto set = readBytes (toLatin1 (latinText));
    ASSERT_EQ (set->getNumItems(), 1);
    EXPECT_EQ (set->getItemText (0), latinText.fromFirstOccurrenceOf ("=", false, false).upToLastOccurrenceOf (";", false, false));
    EXPECT_TRUE (set->getItemText (0).contains (utf8 ("\xc3\xa9"))); // é from byte 233

    // Bytes 128 to 159 are read as Windows writes them, not as invisible control codes.
    const char windows[] = "Texte=l\x92\x9cuvre \x80;";
    set = readBytes (juce::MemoryBlock (windows, sizeof (windows) - 1));
    ASSERT_EQ (set->getNumItems(), 1);
    EXPECT_EQ (set->getItemText (0), utf8 ("l\xe2\x80\x99\xc5\x93uvre \xe2\x82\xac"));

    // In UTF-8 the same characters (and those whose lead bytes a byte repair would hit) are untouched.
    const auto symbols = utf8 ("\xc2\xab \xc2\xbb 20\xc2\xb0\xc2\xa0! l\xe2\x80\x99\xc5\x93uvre \xe2\x82\xac \xce\x94 \xd0\x96 \xe4\xb8\xad \xf0\x9f\x8e\xba");
    set = readUtf8 ("Nom=" + symbols + ";Texte=" + latinText.fromFirstOccurrenceOf ("=", false, false)
                    + "Texte=" + symbols + ";");
    EXPECT_EQ (set->getName(), symbols);
    ASSERT_EQ (set->getNumItems(), 2);
    EXPECT_EQ (set->getItemText (0), latinText.fromFirstOccurrenceOf ("=", false, false).upToLastOccurrenceOf (";", false, false));
    EXPECT_EQ (set->getItemText (1), symbols);
}

TEST_F (LegacyReaderTest, HeaderAndModes)
{
    const auto text = utf8 ("Nom=Vieux;\nAuteur=Anon;\nAnn\xc3\xa9" "e=2009;\nDescription=Old set;\nLanguage=1;\n\n"
                            "Texte=b;\nAttributs=GUIT,;\nFavori=true;\n\n"
                            "Texte=a;\nAttributs=JAZZ,;\nFavori=false;\n\n");

    auto set = readUtf8 (text, 1);
    EXPECT_EQ (set->getReadMode(), 1);
    EXPECT_EQ (set->getName(), "Vieux");
    EXPECT_EQ (set->getAuthor(), "Anon (2009)");
    EXPECT_EQ (set->getDescription(), "Old set");
    EXPECT_EQ (set->getLanguage(), 1);
    EXPECT_EQ (set->getColour(), juce::Colours::orange);
    EXPECT_EQ (set->getNumItems(), 0);

    set = readUtf8 (text, 2);
    EXPECT_EQ (set->getReadMode(), 2);
    ASSERT_EQ (set->getNumItems(), 2);
    EXPECT_EQ (set->getItemText (0), "a");
    EXPECT_EQ (set->getItemTagsString (0), "304,");
    EXPECT_EQ (set->getItemText (1), "b");
    EXPECT_EQ (set->getItemTagsString (1), "200,");
    EXPECT_FALSE (set->isItemFavourite (1));

    set = readUtf8 ("Nom=No items;Auteur=X;Language=0;");
    EXPECT_EQ (set->getNumItems(), 0);
    EXPECT_EQ (set->getAuthor(), "X ()");

    set = read (file ("missing.kbs"));
    EXPECT_EQ (set->getName(), "");
    EXPECT_EQ (set->getAuthor(), " ()");
    EXPECT_EQ (set->getLanguage(), 0);
    EXPECT_EQ (set->getColour(), juce::Colours::orange);
    EXPECT_EQ (set->getNumItems(), 0);
}

TEST_F (LegacyReaderTest, TagCodes)
{
    AdviceSet set (&catalogue);
    set.addItem();

    auto tagsOf = [&set] (const char* codes)
    {
        set.setItemTagsFromCodes (0, codes);
        return set.getItemTagsString (0);
    };

    EXPECT_EQ (tagsOf ("GUIT,bass,XXXX,"), "200,201,213,");
    EXPECT_EQ (tagsOf ("GUIT,ZZZZ"), "200,");
    EXPECT_EQ (tagsOf ("ZZZZ,"), "0,");
    EXPECT_EQ (tagsOf (" GUIT,GUIT,guit,"), "0,200,");
    EXPECT_EQ (tagsOf (""), "");

    auto fromFile = readUtf8 ("Texte=t;Attributs=GUIT,bass,XXXX,;Favori=false;");
    ASSERT_EQ (fromFile->getNumItems(), 1);
    EXPECT_EQ (fromFile->getItemTagsString (0), "200,201,213,");
}

TEST_F (LegacyReaderTest, IncompleteRecordsEndTheReadWithoutRereading)
{
    auto set = readUtf8 ("Nom=N;Language=0;\n"
                         "Texte=a without codes;Favori=false;\n"
                         "Texte=b without favourite;Attributs=ROCK,;\n"
                         "Texte=c complete;Attributs=JAZZ,;Favori=true;\n"
                         "Texte=d codes cut;Attributs=FUNK,\n"
                         "Texte=e last;Attributs=SOUL,;Favori=false;\n"
                         "some; trailing; text;");

    const juce::StringArray expected { "a without codes|", "b without favourite|301,", "c complete|304,",
                                       "d codes cut|", "e last|306," };
    auto lines = describe (*set);
    lines.removeRange (0, 4);
    EXPECT_EQ (lines, expected);

    set = readUtf8 ("Texte=whole;Attributs=ROCK,;Texte=cut off");
    EXPECT_EQ (set->getNumItems(), 1);
}
