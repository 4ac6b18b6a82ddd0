#include "advice/AdviceSet.h"
#include "advice/TagCatalogue.h"

#include "SmallFileSystem.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#if ! JUCE_WINDOWS
 #include <csignal>
 #include <sys/resource.h>
#endif

namespace
{
juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

juce::MemoryBlock bytesOf (const juce::File& file)
{
    juce::MemoryBlock block;
    file.loadFileAsData (block);
    return block;
}

juce::MemoryBlock utf16WithBom (const juce::String& text, bool littleEndian = true)
{
    juce::MemoryOutputStream out;
    out.writeByte ((char) (littleEndian ? 0xff : 0xfe));
    out.writeByte ((char) (littleEndian ? 0xfe : 0xff));

    for (auto p = text.getCharPointer(); ! p.isEmpty();)
    {
        auto c = (int) p.getAndAdvance();

        if (littleEndian)
            out.writeShort ((short) c);
        else
            out.writeShortBigEndian ((short) c);
    }

    return out.getMemoryBlock();
}

void writeBytes (const juce::File& file, const void* data, size_t size)
{
    file.deleteFile();
    ASSERT_TRUE (file.replaceWithData (data, size) || size == 0);

    if (size == 0)
    {
        ASSERT_TRUE (file.create().wasOk());
    }
}

void writeBytes (const juce::File& file, const juce::MemoryBlock& block)
{
    writeBytes (file, block.getData(), block.getSize());
}

void writeUtf8 (const juce::File& file, const juce::String& text)
{
    writeBytes (file, text.toRawUTF8(), text.getNumBytesAsUTF8());
}

juce::StringArray textsOf (const AdviceSet& set)
{
    juce::StringArray texts;

    for (int i = 0; i < set.getNumItems(); ++i)
        texts.add (set.getItemText (i));

    return texts;
}

class AdviceSetTest : public ::testing::Test
{
protected:
    juce::File setFile (const juce::String& name = "set.kbs") const { return temp.getChildFile (name); }

    void addItem (AdviceSet& set, const juce::String& text, const juce::String& tags, bool favourite = false)
    {
        set.addItem();
        const auto index = set.getNumItems() - 1;
        set.setItemText (index, text);
        set.setItemTagsFromString (index, tags);
        set.setItemFavourite (index, favourite);
    }

    /** A set read back completely from the given file text. */
    std::unique_ptr<AdviceSet> readUtf8 (const juce::String& fileText)
    {
        writeUtf8 (setFile(), fileText);
        auto set = std::make_unique<AdviceSet> (&catalogue);
        set->setFile (setFile());
        set->readFromFile (2);
        return set;
    }

    kbtest::TempFolder temp;
    TagCatalogue catalogue;
};
} // namespace

//==============================================================================
TEST_F (AdviceSetTest, WritesTheDocumentedExampleByteForByte)
{
    AdviceSet set (&catalogue);
    set.setFile (setFile());
    set.setName ("Demo");
    set.setDescription ("Essai");
    set.setAuthor ("Me");
    set.setLanguage (0);
    set.setColour (juce::Colour (255, 128, 0));
    addItem (set, "write a 7/4 section", "2,406,", true);

    ASSERT_TRUE (set.writeToFile());

    const juce::String expected ("KindlebrookV1 - Set file\r\n\r\n"
                                 "Name=Demo;\r\nDescription=Essai;\r\nAuthor=Me;\r\nLanguage=0;\r\nColour=255,128,0;\r\n\r\n"
                                 "Item=write a 7/4 section;\r\nFavorite=true;\r\nTags=2,406,;\r\n\r\n");
    EXPECT_EQ (bytesOf (setFile()), utf16WithBom (expected));

    AdviceSet empty (&catalogue);
    EXPECT_TRUE (empty.createFileText().endsWith ("Colour=0,0,0;\n\n"));
}

TEST_F (AdviceSetTest, WritesWhatReplaceWithTextWrites)
{
    AdviceSet set (&catalogue);
    set.setFile (setFile());
    set.setName (utf8 ("Caf\xc3\xa9 \xc2\xab noir \xc2\xbb"));
    set.setDescription ("line one\nline two\r\nline three\rend");
    set.setAuthor (utf8 ("\xe6\x97\xa5\xe6\x9c\xac \xce\x94\xce\xbf \xd0\x96"));
    set.setLanguage (-12345);
    set.setColour (juce::Colour (1, 2, 3));
    addItem (set, utf8 ("\xc3\xa9\x63rit une section \xe2\x80\x99 en 7/4"), "2,406,", true);
    addItem (set, "no tags", "");
    addItem (set, "trailing return\r", "300,");

    ASSERT_TRUE (set.writeToFile());

    auto reference = setFile ("reference.kbs");
    ASSERT_TRUE (reference.replaceWithText (set.createFileText(), true, true));
    EXPECT_EQ (bytesOf (setFile()), bytesOf (reference));
}

TEST_F (AdviceSetTest, RoundTripKeepsHeaderItemsFavouritesAndTags)
{
    AdviceSet set (&catalogue);
    set.setFile (setFile());
    set.setName (utf8 ("Id\xc3\xa9\x65s \xc2\xab fra\xc3\xae\x63hes \xc2\xbb"));
    set.setDescription (utf8 ("Temp\xc3\xa9rature 20\xc2\xb0"));
    set.setAuthor (utf8 ("\xc3\x89quipe"));
    set.setLanguage (1);
    set.setColour (juce::Colour (0x12, 0xab, 0xfe));
    addItem (set, "write a 7/4 section", "2,406,", true);
    addItem (set, utf8 ("\xc3\xa9\x63ris une m\xc3\xa9lodie"), "406,1,");
    addItem (set, utf8 ("more brass \xf0\x9f\x8e\xba"), "207,");
    addItem (set, "Two\nlines", "");
    addItem (set, "Also a favourite", "0,", true);

    ASSERT_TRUE (set.writeToFile());

    AdviceSet read (&catalogue);
    read.setFile (setFile());
    read.addItem(); // replaced by the read
    read.readFromFile (2);

    EXPECT_EQ (read.getReadMode(), 2);
    EXPECT_EQ (read.getName(), set.getName());
    EXPECT_EQ (read.getDescription(), set.getDescription());
    EXPECT_EQ (read.getAuthor(), set.getAuthor());
    EXPECT_EQ (read.getLanguage(), 1);
    EXPECT_EQ (read.getColour(), juce::Colour (0xff12abfe));

    // Sorted by character codes; the line break comes back as written, though the file holds CR LF.
    juce::StringArray expectedTexts { "Also a favourite", "Two\nlines", utf8 ("more brass \xf0\x9f\x8e\xba"),
                                      "write a 7/4 section", utf8 ("\xc3\xa9\x63ris une m\xc3\xa9lodie") };
    EXPECT_EQ (textsOf (read), expectedTexts);

    const juce::StringArray expectedTags { "0,", "", "207,", "2,406,", "406,1," };
    const bool expectedFavourites[] = { true, false, false, true, false };

    for (int i = 0; i < read.getNumItems(); ++i)
    {
        EXPECT_EQ (read.getItemTagsString (i), expectedTags[i]) << i;
        EXPECT_EQ (read.isItemFavourite (i), expectedFavourites[i]) << i;
    }
}

TEST_F (AdviceSetTest, CharactersBeyondTheBasicPlaneAreStoredAsSurrogatePairs)
{
    AdviceSet set (&catalogue);
    set.setFile (setFile());
    set.setName (utf8 ("\xf0\x9f\x8e\xba")); // U+1F3BA
    ASSERT_TRUE (set.writeToFile());

    const auto bytes = bytesOf (setFile());
    const std::string_view written (static_cast<const char*> (bytes.getData()), bytes.getSize());
    const char pair[] = { 'N', 0, 'a', 0, 'm', 0, 'e', 0, '=', 0, 0x3c, (char) 0xd8, (char) 0xba, (char) 0xdf, ';', 0 };
    EXPECT_NE (written.find (std::string_view (pair, sizeof (pair))), std::string_view::npos);

    AdviceSet read (&catalogue);
    read.setFile (setFile());
    read.readFromFile (1);
    EXPECT_EQ (read.getName(), set.getName());
}

TEST_F (AdviceSetTest, EmptySetAndHeaderOnlyReads)
{
    AdviceSet set (&catalogue);
    set.setFile (setFile());
    set.setName ("Nothing");
    ASSERT_TRUE (set.writeToFile());

    AdviceSet read (&catalogue);
    read.setFile (setFile());
    read.readFromFile (2);
    EXPECT_EQ (read.getName(), "Nothing");
    EXPECT_EQ (read.getNumItems(), 0);

    addItem (set, "one", "1,");
    ASSERT_TRUE (set.writeToFile());
    read.addItem();
    read.readFromFile (1);
    EXPECT_EQ (read.getReadMode(), 1);
    EXPECT_EQ (read.getNumItems(), 0);
    read.readFromFile (2);
    EXPECT_EQ (read.getNumItems(), 1);
}

TEST_F (AdviceSetTest, ReadingAgainReplacesEveryItem)
{
    AdviceSet small (&catalogue);
    small.setFile (setFile ("small.kbs"));
    addItem (small, "b plain", "");
    addItem (small, "a plain", "7,");
    ASSERT_TRUE (small.writeToFile());

    AdviceSet big (&catalogue);
    big.setFile (setFile ("big.kbs"));
    for (int i = 0; i < 50; ++i)
        addItem (big, "item " + juce::String (100 + i), "1,2,3,", true);
    ASSERT_TRUE (big.writeToFile());

    AdviceSet set (&catalogue);
    set.setFile (big.getFile());
    set.readFromFile (2);
    ASSERT_EQ (set.getNumItems(), 50);

    // Fewer items than the set holds: no favourite or tag of the old items may survive.
    set.setFile (small.getFile());
    set.readFromFile (2);
    ASSERT_EQ (textsOf (set), juce::StringArray ("a plain", "b plain"));
    EXPECT_EQ (set.getItemTagsString (0), "7,");
    EXPECT_EQ (set.getItemTagsString (1), "");
    EXPECT_FALSE (set.isItemFavourite (0));
    EXPECT_FALSE (set.isItemFavourite (1));

    set.setFile (big.getFile());
    set.readFromFile (2);
    ASSERT_EQ (set.getNumItems(), 50);
    EXPECT_EQ (set.getItemText (49), "item 149");
    EXPECT_TRUE (set.isItemFavourite (49));
    EXPECT_EQ (set.getItemTagsString (49), "1,2,3,");

    // The older format never sets a favourite, and a record may lack its tags.
    writeUtf8 (setFile ("legacy.kbs"), "Texte=old one;Attributs=GUIT,;Favori=true;Texte=old two;Favori=true;");
    set.setFile (setFile ("legacy.kbs"));
    set.readLegacyFromFile (2);
    ASSERT_EQ (textsOf (set), juce::StringArray ("old one", "old two"));
    EXPECT_EQ (set.getItemTagsString (0), "200,");
    EXPECT_EQ (set.getItemTagsString (1), "");
    EXPECT_FALSE (set.isItemFavourite (0));
    EXPECT_FALSE (set.isItemFavourite (1));

    set.setFile (big.getFile());
    set.readFromFile (2);
    writeUtf8 (setFile ("untagged.kbs"), "Item=no tags here;");
    set.setFile (setFile ("untagged.kbs"));
    set.readFromFile (2);
    ASSERT_EQ (set.getNumItems(), 1);
    EXPECT_EQ (set.getItemNumTags (0), 0);
    EXPECT_FALSE (set.isItemFavourite (0));
}

TEST_F (AdviceSetTest, ValuesHoldingLaterKeysReadBackUnchanged)
{
    AdviceSet set (&catalogue);
    set.setFile (setFile());
    set.setName ("Description=not this");
    set.setDescription ("Author=nor this");
    set.setAuthor ("Language=1 Colour=9,9,9");
    addItem (set, "Favorite=true Tags=5,", "3,");
    addItem (set, "Item=inside", "4,", true);
    ASSERT_TRUE (set.writeToFile());

    AdviceSet read (&catalogue);
    read.setFile (setFile());
    read.readFromFile (2);

    EXPECT_EQ (read.getName(), set.getName());
    EXPECT_EQ (read.getDescription(), set.getDescription());
    EXPECT_EQ (read.getAuthor(), set.getAuthor());
    EXPECT_EQ (read.getLanguage(), 0);
    EXPECT_EQ (read.getColour(), juce::Colour (0, 0, 0));
    ASSERT_EQ (read.getNumItems(), 2);
    EXPECT_EQ (read.getItemText (0), "Favorite=true Tags=5,");
    EXPECT_FALSE (read.isItemFavourite (0));
    EXPECT_EQ (read.getItemTagsString (0), "3,");
    EXPECT_EQ (read.getItemText (1), "Item=inside");
    EXPECT_TRUE (read.isItemFavourite (1));
    EXPECT_EQ (read.getItemTagsString (1), "4,");
}

TEST_F (AdviceSetTest, HeaderOnlyReadHidesItemsThatNoLaterReadBringsBack)
{
    AdviceSet big (&catalogue);
    big.setFile (setFile ("big.kbs"));
    for (int i = 0; i < 50; ++i)
        addItem (big, "item " + juce::String (100 + i), "1,2,3,", true);
    ASSERT_TRUE (big.writeToFile());

    AdviceSet small (&catalogue);
    small.setFile (setFile ("small.kbs"));
    small.setName ("Small");
    addItem (small, "b plain", "");
    addItem (small, "a plain", "7,");
    ASSERT_TRUE (small.writeToFile());

    AdviceSet set (&catalogue);
    set.setFile (big.getFile());
    set.readFromFile (2);
    ASSERT_EQ (set.getNumItems(), 50);

    set.setFile (small.getFile());
    set.readFromFile (1);
    EXPECT_EQ (set.getNumItems(), 0);
    EXPECT_EQ (set.getItemText (0), "");
    EXPECT_FALSE (set.isItemFavourite (0));
    EXPECT_EQ (set.getItemNumTags (0), 0);
    EXPECT_FALSE (set.createFileText().contains ("Item="));

    // An item added now is a new one, and the next complete read gives the file's items only.
    set.addItem();
    EXPECT_EQ (set.getItemText (0), "");
    EXPECT_EQ (set.getItemNumTags (0), 0);
    EXPECT_FALSE (set.isItemFavourite (0));
    set.readFromFile (2);
    EXPECT_EQ (set.getName(), "Small");
    ASSERT_EQ (textsOf (set), juce::StringArray ("a plain", "b plain"));
    EXPECT_EQ (set.getItemTagsString (0), "7,");
    EXPECT_EQ (set.getItemTagsString (1), "");
    EXPECT_FALSE (set.isItemFavourite (0));
    EXPECT_FALSE (set.isItemFavourite (1));

    set.setFile (big.getFile());
    set.readFromFile (1);
    set.readLegacyFromFile (1);
    EXPECT_EQ (set.getNumItems(), 0);
    set.readFromFile (2);
    ASSERT_EQ (textsOf (set), textsOf (big));
    for (int i = 0; i < set.getNumItems(); ++i)
    {
        EXPECT_TRUE (set.isItemFavourite (i));
        EXPECT_EQ (set.getItemTagsString (i), "1,2,3,");
    }

    writeUtf8 (setFile ("legacy.kbs"), "Nom=Old;Texte=old one;Attributs=GUIT,;Favori=true;");
    set.setFile (setFile ("legacy.kbs"));
    set.readLegacyFromFile (1);
    EXPECT_EQ (set.getNumItems(), 0);
    set.readLegacyFromFile (2);
    ASSERT_EQ (textsOf (set), juce::StringArray ("old one"));
    EXPECT_EQ (set.getItemTagsString (0), "200,");
    EXPECT_FALSE (set.isItemFavourite (0));
}

/*  A header-only read looks at the start of the file first (4 KiB) and must give exactly what
    the whole text gives. Each case compares it with a complete read of the same bytes. */
TEST_F (AdviceSetTest, HeaderOnlyReadOfALongFileGivesTheWholeFilesHeader)
{
    auto headerOf = [] (const AdviceSet& set)
    {
        return set.getName() + "|" + set.getDescription() + "|" + set.getAuthor() + "|"
             + juce::String (set.getLanguage()) + "|" + juce::String::toHexString ((int) set.getColour().getARGB());
    };

    // Returns the header-only read.
    auto readHeaderOnly = [&] (const void* data, size_t size, bool legacy, const juce::String& context)
    {
        writeBytes (setFile(), data, size);
        auto whole = std::make_unique<AdviceSet> (&catalogue);
        auto start = std::make_unique<AdviceSet> (&catalogue);
        whole->setFile (setFile());
        start->setFile (setFile());

        if (legacy)
        {
            whole->readLegacyFromFile (2);
            start->readLegacyFromFile (1);
        }
        else
        {
            whole->readFromFile (2);
            start->readFromFile (1);
        }

        EXPECT_EQ (headerOf (*start), headerOf (*whole)) << context;
        return start;
    };

    auto nameOfUtf8 = [&] (const std::string& bytes, bool legacy, const juce::String& context)
    {
        return readHeaderOnly (bytes.data(), bytes.size(), legacy, context)->getName();
    };

    const auto ecoute = utf8 ("\xc3\x89" "coute");

    // Files the writer made (UTF-16): the header ends on either side of the first 4 KiB, and in
    // some rounds a surrogate pair of the description is cut there.
    for (int length = 1880; length < 2010; ++length)
    {
        AdviceSet set (&catalogue);
        set.setFile (setFile());
        set.setName (ecoute);
        set.setDescription (juce::String::repeatedString ("d", length) + utf8 ("\xf0\x9f\x8e\xba\xf0\x9f\x8e\xba"));
        set.setAuthor ("Me");
        set.setLanguage (1);
        set.setColour (juce::Colour (10, 20, 30));
        for (int i = 0; i < 30; ++i)
            addItem (set, utf8 ("\xf0\x9f\x8e\xba item ") + juce::String (i), "1,");
        ASSERT_TRUE (set.writeToFile());

        const auto bytes = bytesOf (setFile());
        EXPECT_EQ (headerOf (*readHeaderOnly (bytes.getData(), bytes.getSize(), false, juce::String (length))), headerOf (set));
    }

    const std::string header = "KindlebrookV1 - Set file\n\nName=\xc3\x89" "coute;\nDescription=D;\nAuthor=A;\nLanguage=1;\nColour=1,2,3;\n\n";
    const std::string asciiHeader = "KindlebrookV1 - Set file\n\nName=Plain;\nDescription=D;\nAuthor=A;\nLanguage=1;\nColour=1,2,3;\n\n";

    // Hand-made UTF-8 with a character of each length cut at the end of the first 4 KiB (shift 0:
    // just after it): the cut must not make the start read as Windows-1252.
    for (const std::string character : { "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x8e\xba" })
    {
        for (size_t shift = 0; shift < character.size(); ++shift)
        {
            const auto context = juce::String (character.size()) + " bytes, shift " + juce::String (shift);
            const auto items = "Item=" + std::string (4096 - header.size() - 5 - shift, 'x') + character + ";\nTags=1,;\n\nItem=z;\nTags=;\n";
            EXPECT_EQ (nameOfUtf8 (header + items, false, context), ecoute);
            EXPECT_EQ (nameOfUtf8 (asciiHeader + items, false, context), "Plain");

            // A byte that is not UTF-8 further on makes the whole file Windows-1252, header included.
            EXPECT_EQ (nameOfUtf8 (header + items + "Item=\xff;\n", false, context), utf8 ("\xc3\x83\xe2\x80\xb0" "coute"));
        }
    }

    // A value longer than the start, keys found only after it, a null byte within it.
    EXPECT_EQ (nameOfUtf8 ("Name=" + std::string (6000, 'n') + ";Colour=1,2,3;", false, "long value"),
               juce::String::repeatedString ("n", 6000));
    EXPECT_EQ (readHeaderOnly (nullptr, 0, false, "empty")->getName(), "");
    nameOfUtf8 ("Name=early;" + std::string (6000, ' ') + "Description=late;Author=x;Language=1;Colour=1,2,3;", false, "late keys");
    nameOfUtf8 ("Name=early;Description=d;Author=a;Language=1;Colour=1,2," + std::string (6000, ' ') + "3;", false, "late end");
    EXPECT_EQ (nameOfUtf8 (header + std::string (1, '\0') + std::string (6000, '\xff'), false, "null"), ecoute);

    // The older format, whose "Ann\xc3\xa9" "e=" key is not ASCII, in Latin-1 and in UTF-8.
    std::string legacyItems;
    for (int i = 0; i < 200; ++i)
        legacyItems += "Texte=conseil " + std::to_string (i) + ";Attributs=GUIT,;Favori=0;\n";

    const auto general = utf8 ("G\xc3\xa9n\xc3\xa9ral");
    EXPECT_EQ (nameOfUtf8 ("Nom=G\xe9n\xe9ral;Auteur=Anon;Ann\xe9" "e=2009;Description=D;Language=1;\n" + legacyItems, true, "Latin-1"), general);
    EXPECT_EQ (nameOfUtf8 ("Nom=G\xc3\xa9n\xc3\xa9ral;Auteur=Anon;Ann\xc3\xa9" "e=2009;Description=D;Language=1;\n" + legacyItems, true, "UTF-8"), general);
}

//==============================================================================
TEST_F (AdviceSetTest, FileKind)
{
    EXPECT_EQ (AdviceSet::getSetFileKind (temp.getFolder()), 0);
    EXPECT_EQ (AdviceSet::getSetFileKind (setFile ("missing.kbs")), 0);

    auto folderNamedLikeASet = setFile ("folder.kbs");
    ASSERT_TRUE (folderNamedLikeASet.createDirectory().wasOk());
    EXPECT_EQ (AdviceSet::getSetFileKind (folderNamedLikeASet), 0);

    const juce::String header ("KindlebrookV1 - Set file\nName=x;");
    writeUtf8 (setFile ("set.txt"), header);
    EXPECT_EQ (AdviceSet::getSetFileKind (setFile ("set.txt")), 0);

    writeUtf8 (setFile ("upper.KBS"), header);
    EXPECT_EQ (AdviceSet::getSetFileKind (setFile ("upper.KBS")), 2);

    writeUtf8 (setFile ("lower.kbs"), header.toLowerCase());
    EXPECT_EQ (AdviceSet::getSetFileKind (setFile ("lower.kbs")), 1);

    writeBytes (setFile ("empty.kbs"), nullptr, 0);
    EXPECT_EQ (AdviceSet::getSetFileKind (setFile ("empty.kbs")), 1);

    writeUtf8 (setFile ("short.kbs"), "KindlebrookV1 - Set fil");
    EXPECT_EQ (AdviceSet::getSetFileKind (setFile ("short.kbs")), 1);

    writeBytes (setFile ("be.kbs"), utf16WithBom (header, false));
    EXPECT_EQ (AdviceSet::getSetFileKind (setFile ("be.kbs")), 2);

    writeUtf8 (setFile ("bom.kbs"), utf8 ("\xef\xbb\xbf") + header);
    EXPECT_EQ (AdviceSet::getSetFileKind (setFile ("bom.kbs")), 2);

    // Not valid UTF-8 further on: still the same header.
    const char latin1[] = "KindlebrookV1 - Set file\nName=caf\xe9;";
    writeBytes (setFile ("latin.kbs"), latin1, sizeof (latin1) - 1);
    EXPECT_EQ (AdviceSet::getSetFileKind (setFile ("latin.kbs")), 2);

    AdviceSet set (&catalogue);
    set.setFile (setFile ("written.kbs"));
    ASSERT_TRUE (set.writeToFile());
    EXPECT_EQ (AdviceSet::getSetFileKind (set.getFile()), 2);
}

//==============================================================================
TEST (AdviceItemTags, ParsingQuirks)
{
    AdviceItem item;

    item.setTagsFromString ("5,300");
    EXPECT_EQ (item.tags, juce::Array<int> (5));

    item.setTagsFromString ("300,300,2,");
    EXPECT_EQ (item.tags, juce::Array<int> (300, 2));
    EXPECT_EQ (item.getTagsString(), "300,2,");

    item.setTagsFromString (" 7,x,-3,12abc,,");
    EXPECT_EQ (item.tags, juce::Array<int> (7, 0, -3, 12));

    item.setTagsFromString ("");
    EXPECT_TRUE (item.tags.isEmpty());
    EXPECT_EQ (item.getTagsString(), "");

    item.addTag (9);
    item.addTag (9);
    EXPECT_EQ (item.getTagsString(), "9,");
}

TEST (AdviceItemTags, LongListsKeepFirstOccurrencesInOrder)
{
    juce::String text;
    juce::Array<int> expected;

    for (int i = 0; i < 20000; ++i)
    {
        const int id = (i * 7919) % 15000;
        text << id << ',';

        if (! expected.contains (id))
            expected.add (id);
    }

    AdviceItem item;
    item.setTagsFromString (text);
    EXPECT_EQ (item.tags.size(), 15000);
    EXPECT_EQ (item.tags, expected);
}

TEST (AdviceItemTags, IntegersReadAsGetIntValueReadsThem)
{
    for (auto* text : { "0", "42", "-42", "  17", "\t-5x", "+3", "-", "", "abc", "2147483647", "2147483648",
                        "-2147483648", "\xc2\xa0" "8", "\xe2\x80\x83" "9" })
    {
        const auto s = utf8 (text);
        auto* raw = s.toRawUTF8();
        EXPECT_EQ (AdviceItem::readIntValue (raw, raw + s.getNumBytesAsUTF8()), s.getIntValue()) << text;
    }

    // Past 64 bits the C libraries part (glibc's saturates, Windows' wraps): a file reads as on
    // Linux everywhere, the saturated value cut to its low 32 bits.
    const char huge[] = "99999999999999999999";
    EXPECT_EQ (AdviceItem::readIntValue (huge, huge + sizeof (huge) - 1), -1);

    // The end bound is respected even mid-number.
    const char digits[] = "12345";
    EXPECT_EQ (AdviceItem::readIntValue (digits, digits + 2), 12);
}

//==============================================================================
TEST_F (AdviceSetTest, ReaderQuirksOfValues)
{
    auto set = readUtf8 ("KindlebrookV1 - Set file\n"
                         "Name=N;Description=D;Author=A;Language=1;Colour=300,-1,12;\n"
                         "Item=upper;Favorite=TRUE;Tags=5,300;\n"
                         "Item=lower;Favorite=true;Tags=300,300,2,;\n"
                         "Item=none;Tags=;\n");

    EXPECT_EQ (set->getLanguage(), 1);
    EXPECT_EQ (set->getColour(), juce::Colour (44, 255, 12));
    EXPECT_TRUE (set->getColour().isOpaque());

    ASSERT_EQ (textsOf (*set), juce::StringArray ("lower", "none", "upper"));
    EXPECT_TRUE (set->isItemFavourite (0));
    EXPECT_EQ (set->getItemTagsString (0), "300,2,");
    EXPECT_FALSE (set->isItemFavourite (1));
    EXPECT_EQ (set->getItemNumTags (1), 0);
    EXPECT_FALSE (set->isItemFavourite (2));
    EXPECT_EQ (set->getItemTagsString (2), "5,");
}

TEST_F (AdviceSetTest, ColourTexts)
{
    auto colourOf = [this] (const char* value)
    {
        return readUtf8 (juce::String ("Name=x;Colour=") + value + ";")->getColour();
    };

    EXPECT_EQ (colourOf ("77"), juce::Colour (77, 0, 0));
    EXPECT_EQ (colourOf ("10,20"), juce::Colour (10, 20, 0));
    EXPECT_EQ (colourOf ("1,2,3,4"), juce::Colour (1, 2, 3));
    EXPECT_EQ (colourOf (""), juce::Colour (0, 0, 0));
    EXPECT_EQ (colourOf (",,"), juce::Colour (0, 0, 0));
    EXPECT_EQ (colourOf (" 256, 511 ,-256"), juce::Colour (0, 255, 0));
    EXPECT_EQ (colourOf ("99999999999999999999,1,1"),
               juce::Colour ((juce::uint8) (juce::String ("99999999999999999999").getIntValue() & 0xff), 1, 1));
}

TEST_F (AdviceSetTest, MissingHeaderKeysReadAsEmpty)
{
    // Literally, a missing key's value would start near the text's beginning ("Name=N" here).
    auto set = readUtf8 ("Name=N;Author=A;Colour=1,2,3;Item=x;Tags=1,;");
    EXPECT_EQ (set->getName(), "N");
    EXPECT_EQ (set->getDescription(), "");
    EXPECT_EQ (set->getAuthor(), "A");
    EXPECT_EQ (set->getLanguage(), 0);
    EXPECT_EQ (set->getColour(), juce::Colour (1, 2, 3));
    EXPECT_EQ (set->getNumItems(), 1);

    set = readUtf8 ("Description=D;Language=1;Item=x;Tags=1,;");
    EXPECT_EQ (set->getName(), "");
    EXPECT_EQ (set->getDescription(), "D");
    EXPECT_EQ (set->getLanguage(), 1);
    EXPECT_EQ (set->getColour(), juce::Colour (0xff000000));
    EXPECT_EQ (set->getNumItems(), 1);

    // Keys out of order: each search goes forward only.
    set = readUtf8 ("Author=A;Name=N;Description=D;");
    EXPECT_EQ (set->getName(), "N");
    EXPECT_EQ (set->getDescription(), "D");
    EXPECT_EQ (set->getAuthor(), "");
}

TEST_F (AdviceSetTest, IncompleteRecordsEndTheReadWithoutRereading)
{
    // A record without Tags= (or Favorite=) keeps its text and leaves the next record its own keys.
    auto set = readUtf8 ("Name=N;Colour=1,1,1;\n"
                         "Item=a no tags;Favorite=true;\n"
                         "Item=b no favourite;Tags=2,;\n"
                         "Item=c complete;Favorite=true;Tags=3,;\n"
                         "Item=d no semicolon after tags;Favorite=true;Tags=4,\n"
                         "Item=e last;Favorite=false;Tags=5,;\n"
                         "trailing; text; without the key;");

    ASSERT_EQ (textsOf (*set), juce::StringArray ("a no tags", "b no favourite", "c complete",
                                                  "d no semicolon after tags", "e last"));
    const juce::StringArray tags { "", "2,", "3,", "", "5," };
    const bool favourites[] = { true, false, true, true, false };

    for (int i = 0; i < set->getNumItems(); ++i)
    {
        EXPECT_EQ (set->getItemTagsString (i), tags[i]) << i;
        EXPECT_EQ (set->isItemFavourite (i), favourites[i]) << i;
    }

    // A record cut off inside its text is dropped.
    set = readUtf8 ("Colour=1,1,1;Item=whole;Tags=1,;Item=cut off");
    EXPECT_EQ (textsOf (*set), juce::StringArray ("whole"));
}

TEST_F (AdviceSetTest, SortsByCharacterCodes)
{
    AdviceSet set (&catalogue);
    const char* texts[] = { "b", "B", "a", "\xc3\xa9t\xc3\xa9", "z", "Zebra", "\xc3\xa9", "ab", "a b", "\xe2\x80\x99", "\xc2\xab" };

    for (auto* t : texts)
        addItem (set, utf8 (t), "");

    set.sortItems();

    for (int i = 1; i < set.getNumItems(); ++i)
        EXPECT_LT (set.getItemText (i - 1).compare (set.getItemText (i)), 0) << i;

    EXPECT_EQ (set.getItemText (0), "B");
    EXPECT_EQ (set.getItemText (set.getNumItems() - 1), utf8 ("\xe2\x80\x99"));

    AdviceSet three (&catalogue);
    for (auto* t : { "b", "B", "a" })
        addItem (three, t, "");
    three.sortItems();
    EXPECT_EQ (textsOf (three), juce::StringArray ("B", "a", "b"));

    // Random texts sharing prefixes, differing at ASCII and at non-ASCII characters alike.
    juce::Random random (7);
    const juce::juce_wchar alphabet[] = { 'a', 'b', 'Z', ' ', 0xe9, 0xc9, 0xab, 0x2019, 0x4e2d, 0x1f3ba };
    AdviceSet many (&catalogue);

    for (int i = 0; i < 500; ++i)
    {
        juce::String s ("pre");
        for (int n = random.nextInt (6); --n >= 0;)
            s += juce::String::charToString (alphabet[random.nextInt ((int) std::size (alphabet))]);
        addItem (many, s, "");
    }

    // A read sorts too, without checking each text's UTF-8 form: files written unsorted, in
    // UTF-16 (characters past U+FFFF as pairs) and in UTF-8, read back in the same order.
    many.setFile (setFile());
    ASSERT_TRUE (many.writeToFile());
    const auto unsortedText = many.createFileText();
    many.sortItems();

    for (int i = 1; i < many.getNumItems(); ++i)
        EXPECT_LE (many.getItemText (i - 1).compare (many.getItemText (i)), 0) << i;

    AdviceSet readBack (&catalogue);
    readBack.setFile (setFile());
    readBack.readFromFile (2);
    EXPECT_EQ (textsOf (readBack), textsOf (many));
    EXPECT_EQ (textsOf (*readUtf8 (unsortedText)), textsOf (many));

    // Long shared beginnings, equal texts, and input in reverse order.
    juce::StringArray longTexts;
    const juce::String prefixes[] = { "", juce::String::repeatedString ("x", 47), juce::String::repeatedString ("ab", 40),
                                      utf8 ("\xc3\xa9") + juce::String::repeatedString ("y", 70) };

    for (int i = 0; i < 3000; ++i)
    {
        auto text = prefixes[random.nextInt ((int) std::size (prefixes))];
        for (int n = random.nextInt (4); --n >= 0;)
            text += juce::String::charToString (alphabet[random.nextInt ((int) std::size (alphabet))]);
        longTexts.add (text);
    }

    struct ByCompare { static int compareElements (const juce::String& a, const juce::String& b) { return a.compare (b); } };
    ByCompare byCompare;
    auto expected = longTexts;
    expected.strings.sort (byCompare);

    for (bool reversed : { false, true })
    {
        AdviceSet set (&catalogue);

        for (int i = 0; i < longTexts.size(); ++i)
            addItem (set, reversed ? expected[expected.size() - 1 - i] : longTexts[i], "");

        set.sortItems();
        EXPECT_EQ (textsOf (set), expected) << reversed;
    }
}

//==============================================================================
TEST_F (AdviceSetTest, OutOfRangeIndexesActOnNothing)
{
    AdviceSet set (&catalogue);
    addItem (set, "only", "1,2,", true);

    for (int index : { -1, 1, 1000 })
    {
        EXPECT_EQ (set.getItemText (index), "");
        EXPECT_FALSE (set.isItemFavourite (index));
        EXPECT_FALSE (set.itemHasTag (index, 1));
        EXPECT_EQ (set.getItemNumTags (index), 0);
        EXPECT_EQ (set.getItemTagsString (index), "");

        set.setItemText (index, "x");
        set.setItemFavourite (index, false);
        set.addDefaultTag (index);
        set.setItemTagsFromString (index, "9,");
        set.setItemTagsFromCodes (index, "GUIT,");
        set.copyItem (0, index);
        set.copyItem (index, 0);
        set.removeItem (index);
    }

    ASSERT_EQ (set.getNumItems(), 1);
    EXPECT_EQ (set.getItemText (0), "only");
    EXPECT_TRUE (set.isItemFavourite (0));
    EXPECT_EQ (set.getItemTagsString (0), "1,2,");
}

TEST_F (AdviceSetTest, ItemEditing)
{
    AdviceSet set (&catalogue);
    addItem (set, "source", "5,3,", true);
    addItem (set, "target", "7,");

    set.copyItem (0, 1);
    EXPECT_EQ (set.getItemText (1), "source");
    EXPECT_EQ (set.getItemTagsString (1), "5,3,");
    EXPECT_FALSE (set.isItemFavourite (1));

    set.addDefaultTag (1);
    set.addDefaultTag (1);
    EXPECT_EQ (set.getItemTagsString (1), "5,3,1,");
    EXPECT_TRUE (set.itemHasTag (1, 1));
    EXPECT_FALSE (set.itemHasTag (1, 7));

    set.removeItem (0);
    ASSERT_EQ (set.getNumItems(), 1);
    EXPECT_FALSE (set.isItemFavourite (0));
}

//==============================================================================
TEST_F (AdviceSetTest, FailedWritesReportFalseAndKeepTheOldFile)
{
    AdviceSet set (&catalogue);
    set.setName ("New");
    addItem (set, "advice", "1,");

    EXPECT_FALSE (set.writeToFile()); // no file assigned

    set.setFile (temp.getChildFile ("no/such/folder/set.kbs"));
    EXPECT_FALSE (set.writeToFile());
    EXPECT_FALSE (set.getFile().exists());

    auto regularFile = temp.getChildFile ("plain");
    ASSERT_TRUE (regularFile.replaceWithText ("I am a file"));
    set.setFile (regularFile.getChildFile ("set.kbs"));
    EXPECT_FALSE (set.writeToFile());
    EXPECT_EQ (regularFile.loadFileAsString(), "I am a file");

    for (bool withContent : { true, false })
    {
        auto folder = temp.getChildFile (withContent ? "full.kbs" : "empty.kbs");
        ASSERT_TRUE (folder.createDirectory().wasOk());

        if (withContent)
        {
            ASSERT_TRUE (folder.getChildFile ("inside").replaceWithText ("x"));
        }

        set.setFile (folder);
        EXPECT_FALSE (set.writeToFile());
        EXPECT_TRUE (folder.isDirectory());
    }

    EXPECT_EQ (temp.getFolder().findChildFiles (juce::File::findFilesAndDirectories, false, "*", juce::File::FollowSymlinks::no).size(), 3)
        << "no temporary file left behind";
}

TEST_F (AdviceSetTest, WriteCutShortByAFileSizeLimitKeepsTheOldFile)
{
   #if JUCE_WINDOWS
    GTEST_SKIP() << kbtest::SmallFileSystem::whyUnavailable();
   #else
    // A size limit fails writes even for root, the way a full disk would.
    AdviceSet old (&catalogue);
    old.setFile (setFile());
    old.setName ("Old");
    ASSERT_TRUE (old.writeToFile());
    const auto oldBytes = bytesOf (setFile());

    AdviceSet bigger (&catalogue);
    bigger.setFile (setFile());
    bigger.setName ("Bigger");

    for (int i = 0; i < 2000; ++i)
        addItem (bigger, "advice number " + juce::String (i), "1,2,3,");

    rlimit previous {};
    ASSERT_EQ (getrlimit (RLIMIT_FSIZE, &previous), 0);
    auto previousHandler = std::signal (SIGXFSZ, SIG_IGN);

    rlimit limited = previous;
    limited.rlim_cur = (rlim_t) oldBytes.getSize() + 4096;
    ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &limited), 0);

    const bool written = bigger.writeToFile();

    setrlimit (RLIMIT_FSIZE, &previous);
    std::signal (SIGXFSZ, previousHandler);

    EXPECT_FALSE (written);
    EXPECT_EQ (bytesOf (setFile()), oldBytes);

    ASSERT_TRUE (bigger.writeToFile());
    AdviceSet read (&catalogue);
    read.setFile (setFile());
    read.readFromFile (2);
    EXPECT_EQ (read.getNumItems(), 2000);
   #endif
}

//==============================================================================
TEST_F (AdviceSetTest, BadInputNeverBreaksEitherReader)
{
    auto readBoth = [this] (const juce::File& file)
    {
        AdviceSet set (&catalogue);
        set.setFile (file);
        set.readFromFile (2);
        const auto current = set.getNumItems();
        set.readLegacyFromFile (2);
        EXPECT_EQ (set.getReadMode(), 2);
        return current;
    };

    writeBytes (setFile(), nullptr, 0);
    EXPECT_EQ (readBoth (setFile()), 0);

    writeUtf8 (setFile(), ";");
    EXPECT_EQ (readBoth (setFile()), 0);

    writeUtf8 (setFile(), juce::String::repeatedString (";", 10000));
    EXPECT_EQ (readBoth (setFile()), 0);

    writeUtf8 (setFile(), "Item=;Item=;Tags=;Item=");
    EXPECT_EQ (readBoth (setFile()), 2);

    EXPECT_EQ (readBoth (setFile ("missing.kbs")), 0);
    EXPECT_EQ (readBoth (temp.getFolder()), 0);

    // Odd-length and cut UTF-16: every prefix of a real file reads a subset of its items.
    AdviceSet source (&catalogue);
    source.setFile (setFile ("source.kbs"));
    source.setName (utf8 ("S\xc3\xa9t"));
    for (int i = 0; i < 6; ++i)
        addItem (source, utf8 ("item \xc3\xa9 ") + juce::String (i) + utf8 (" \xf0\x9f\x8e\xba"), juce::String (i) + ",1,", i % 2 == 0);
    ASSERT_TRUE (source.writeToFile());
    const auto full = bytesOf (source.getFile());
    const auto sourceTexts = textsOf (source);

    for (size_t length = 0; length <= full.getSize(); ++length)
    {
        writeBytes (setFile(), full.getData(), length);
        AdviceSet cut (&catalogue);
        cut.setFile (setFile());
        cut.readFromFile (2);

        for (auto& text : textsOf (cut))
            EXPECT_TRUE (sourceTexts.contains (text)) << length << ": " << text;

        if (length == full.getSize())
        {
            EXPECT_EQ (cut.getNumItems(), 6);
        }
    }

    // Garbage, with keys, separators and byte-order marks mixed in (a null byte ends the text).
    juce::Random random (12345);
    const char* pieces[] = { "Item=", "Tags=", "Favorite=", "Texte=", "Attributs=", "Favori=", "Name=", "Colour=",
                             ";", ",", "\xff\xfe", "\xfe\xff", "\xef\xbb\xbf", "\xd8\x3d", "\xc3", "99999999999," };

    int totalItems = 0;

    for (int round = 0; round < 300; ++round)
    {
        juce::MemoryOutputStream garbage;

        for (int n = random.nextInt (200); --n >= 0;)
        {
            if (random.nextBool())
            {
                auto* piece = pieces[random.nextInt ((int) std::size (pieces))];
                garbage.write (piece, std::strlen (piece));
            }
            else
            {
                garbage.writeByte ((char) random.nextInt (256));
            }
        }

        writeBytes (setFile(), garbage.getData(), garbage.getDataSize());
        const auto numItems = readBoth (setFile());
        const auto text = setFile().loadFileAsString();
        int numKeys = 0;

        for (int i = text.indexOf ("Item="); i >= 0; i = text.indexOf (i + 1, "Item="))
            ++numKeys;

        EXPECT_LE (numItems, numKeys) << round;
        totalItems += numItems;
    }

    EXPECT_GT (totalItems, 50) << "the garbage should reach the item parser";
}
