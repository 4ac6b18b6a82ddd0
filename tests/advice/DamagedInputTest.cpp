#include "advice/AdviceSet.h"
#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"
#include "advice/TextCodec.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>

#if ! JUCE_WINDOWS
 #include <sys/stat.h>
#endif

namespace
{
const juce::String replacement = juce::String::charToString (0xfffd);

juce::String decoded (const std::string& bytes)
{
    const auto text = TextCodec::decode (bytes.data(), bytes.size());
    return juce::String::fromUTF8 (text.bytes.get(), (int) text.size);
}

juce::MemoryBlock bytesOf (const juce::File& file)
{
    juce::MemoryBlock block;
    file.loadFileAsData (block);
    return block;
}

class DamagedInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (dataFolder().createDirectory().wasOk());
        library.setBaseFolder (temp.getFolder());
    }

    juce::File dataFolder() const { return temp.getChildFile ("data"); }

    juce::File writeBytes (const juce::String& name, const std::string& bytes) const
    {
        const auto file = dataFolder().getChildFile (name);
        EXPECT_TRUE (file.replaceWithData (bytes.data(), bytes.size()));
        return file;
    }

    kbtest::TempFolder temp;
    TagCatalogue catalogue;
    SetLibrary library { &catalogue };
};
} // namespace

// JUCE's UTF-8 check lets overlong forms and encoded surrogates through; each reads as U+FFFD.
TEST (TextCodecIllFormed, SequencesJuceAcceptsReadAsReplacementCharacters)
{
    EXPECT_EQ (decoded ("a\xc0\x80z"), "a" + replacement + "z");                          // overlong null
    EXPECT_EQ (decoded ("a\xc0\xbbz"), "a" + replacement + "z");                          // overlong ";"
    EXPECT_EQ (decoded ("\xe0\x80\xaf\xf0\x80\x80\x80"), replacement + replacement);      // three and four bytes
    EXPECT_EQ (decoded ("\xed\xa0\x80\xed\xb0\x80!"), replacement + replacement + "!");   // a pair in halves

    // Well-formed text around them is kept as it is, and a text JUCE refuses is still Windows-1252.
    EXPECT_EQ (decoded ("\xc3\xa9\xc0\x80\xf0\x9f\x8e\xba"),
               juce::String (juce::CharPointer_UTF8 ("\xc3\xa9")) + replacement + juce::String (juce::CharPointer_UTF8 ("\xf0\x9f\x8e\xba")));
    EXPECT_EQ (decoded ("\xc0\x80\xff"), juce::String::createStringFromData ("\xc0\x80\xff", 3));
}

TEST_F (DamagedInputTest, OverlongNullNeverCutsTheSetAtTheNextSave)
{
    std::string text = "KindlebrookV1 - Set file\n\nName=Odd;\nDescription=d;\nAuthor=a;\nLanguage=1;\nColour=1,2,3;\n\n";

    for (char letter = 'a'; letter <= 'j'; ++letter)
        text += std::string ("Item=") + letter + (letter == 'c' ? "\xc0\x80 after" : "") + (letter == 'e' ? "\xc0\xbb split" : "")
              + ";\nFavorite=false;\nTags=1,;\n\n";

    const auto file = writeBytes ("odd.kbs", text);
    library.reload();
    library.buildPool (-1, {}, -1, 0);
    ASSERT_EQ (library.getPoolSize(), 10);

    // Marking a favourite writes the whole set; every advice must come back from that file.
    ASSERT_TRUE (library.setPoolFavourite (0, true));
    AdviceSet read (&catalogue);
    read.setFile (file);
    read.readFromFile (2);
    ASSERT_EQ (read.getNumItems(), 10);
    EXPECT_EQ (read.getItemText (2), "c" + replacement + " after");
    EXPECT_EQ (read.getItemText (4), "e" + replacement + " split");
    EXPECT_EQ (read.getItemText (9), "j");
    EXPECT_TRUE (read.isItemFavourite (0));
    EXPECT_EQ (read.getItemTagsString (9), "1,");
}

TEST_F (DamagedInputTest, LineBreaksInsideTextsSurviveEverySave)
{
    // A hand-made file may hold CRs before a line end: what is read must save and read back as it is.
    {
        const auto file = writeBytes ("crs.kbs", "Name=a\r\r\nb\r;\nDescription=\r\r\r\n;\n\nItem=x\r\ny\r\rz;\nTags=;\n");
        AdviceSet first (&catalogue);
        first.setFile (file);
        first.readFromFile (2);
        EXPECT_EQ (first.getName(), "a\nb\r");
        EXPECT_EQ (first.getDescription(), "\n");
        EXPECT_EQ (first.getItemText (0), "x\ny\r\rz");
        ASSERT_TRUE (first.writeToFile());

        AdviceSet second (&catalogue);
        second.setFile (file);
        second.readFromFile (2);
        EXPECT_EQ (second.getName(), first.getName());
        EXPECT_EQ (second.getDescription(), first.getDescription());
        EXPECT_EQ (second.getItemText (0), first.getItemText (0));
    }

    const auto file = dataFolder().getChildFile ("lines.kbs");
    AdviceSet set (&catalogue);
    set.setFile (file);
    set.setDescription ("first\nsecond");
    set.addItem();
    set.setItemText (0, "lone\rreturn");
    set.addItem();
    set.setItemText (1, "two\nlines");
    ASSERT_TRUE (set.writeToFile());
    const auto firstSave = bytesOf (file);

    for (int save = 0; save < 2; ++save)
    {
        AdviceSet read (&catalogue);
        read.setFile (file);
        read.readFromFile (2);
        EXPECT_EQ (read.getDescription(), "first\nsecond");
        EXPECT_EQ (read.getItemText (0), "lone\rreturn");
        EXPECT_EQ (read.getItemText (1), "two\nlines");
        ASSERT_TRUE (read.writeToFile());
        EXPECT_EQ (bytesOf (file), firstSave) << "save " << save;
    }
}

#if ! JUCE_WINDOWS
TEST_F (DamagedInputTest, FifoNamedAsASetNeverBlocksTheScan)
{
    writeBytes ("real.kbs", "KindlebrookV1 - Set file\n\nName=Real;\n\nItem=one;\nFavorite=false;\nTags=;\n");
    const auto fifo = dataFolder().getChildFile ("x.kbs");
    ASSERT_EQ (mkfifo (fifo.getFullPathName().toRawUTF8(), 0600), 0);

    auto scan = std::async (std::launch::async, [this]
    {
        library.reload();
        library.buildPool (-1, {}, -1, 0);
        return library.getPoolSize();
    });

    if (scan.wait_for (std::chrono::seconds (10)) != std::future_status::ready)
    {
        // Let the blocked open go on, so that the test fails instead of hanging.
        juce::FileOutputStream unblock (fifo);
        FAIL() << "the scan blocked on the FIFO";
    }

    EXPECT_EQ (scan.get(), 1);
    EXPECT_EQ (AdviceSet::getSetFileKind (fifo), 0);
    EXPECT_EQ (TextCodec::loadFile (fifo).size, 0u);
}
#endif

TEST_F (DamagedInputTest, TemporaryFileOfAnInterruptedWriteIsNoSet)
{
    const std::string setText = "KindlebrookV1 - Set file\n\nName=Kept;\n\nItem=one;\nFavorite=false;\nTags=;\n";
    const auto target = writeBytes ("kept.kbs", setText);

    // The very name the writer gives its temporary file, left as a crash would leave it.
    const juce::TemporaryFile interrupted (target, juce::TemporaryFile::useHiddenFile);
    ASSERT_TRUE (interrupted.getFile().replaceWithData (setText.data(), setText.size()));
    ASSERT_TRUE (interrupted.getFile().getFileName().startsWith (".kept_temp"));

    // Names merely like it are sets.
    writeBytes ("notes_temp.kbs", setText);
    writeBytes (".hidden.kbs", setText);

    library.reload();
    auto names = library.getSetFileNames (-1);
    names.sort (false);
    EXPECT_EQ (names, juce::StringArray ({ ".hidden.kbs", "kept.kbs", "notes_temp.kbs" }));

}
