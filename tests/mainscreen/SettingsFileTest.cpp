#include "mainscreen/SettingsFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <limits>

#if ! JUCE_WINDOWS
 #include <sys/stat.h>
#endif

TEST (SettingsFile, EverySetFileNameComesBackAndLeavesTheValuesAfterItAlone)
{
    for (auto* name : { "Timer=2.kbs", "x;Tags=1;LastItem=7.kbs", "50%.kbs", "%3B.kbs", "%253D=.kbs", " Plain Set.KBS " })
    {
        SettingsFile written;
        written.Sets = name;
        written.Tags = 406;
        written.LastItem = 12;
        written.Timer = 300;
        SettingsFile read;
        read.parse (written.toText());
        EXPECT_EQ (read.Sets, name);
        EXPECT_EQ (juce::String (read.Tags) + " " + juce::String (read.LastItem) + " " + juce::String (read.Timer), "406 12 300") << name;
    }

    SettingsFile plain;
    plain.Sets = " Plain Set.KBS ";
    EXPECT_TRUE (plain.toText().contains ("\nSets= Plain Set.KBS ;\n")); // ordinary names stand as they are
}

// Through the file, whose line ends are CR LF and whose characters beyond U+FFFF are pairs of
// UTF-16 units: a line break in a name must not gain a CR, nor a pair fall apart.
TEST (SettingsFile, LineBreaksAndCharactersBeyondTheBasicPlaneSurviveTheFile)
{
    const auto file = juce::File::createTempFile (".ini");

    for (auto* name : { "two\nlines.kbs", "cr\r\nlf.kbs", "lone\rcr.kbs", "%0A.kbs", "\xf0\x9f\x8e\xba brass.kbs" })
    {
        SettingsFile written;
        written.Sets = juce::String (juce::CharPointer_UTF8 (name));
        written.Timer = 5;
        ASSERT_TRUE (written.writeTo (file));
        SettingsFile read;
        ASSERT_TRUE (read.readFrom (file));
        EXPECT_EQ (read.Sets, written.Sets);
        EXPECT_EQ (read.Timer, 5) << name;
    }

    file.deleteFile();
}

TEST (SettingsFile, NumbersReadAsAtoiDoesButStayWithinInt)
{
    for (auto [text, value] : { std::pair (" 30", 30), { "30 ", 30 }, { "\t-5x", -5 }, { "+7", 7 }, { "abc", 0 },
                                { "99999999999999999999", std::numeric_limits<int>::max() },
                                { "-99999999999999999999", std::numeric_limits<int>::min() } })
        EXPECT_EQ (SettingsFile::parseInteger (text), value) << text;
}

#if ! JUCE_WINDOWS
TEST (SettingsFile, FifoInPlaceOfTheFileIsNoSettingsFile)
{
    const auto folder = juce::File::createTempFile ("settings-fifo");
    ASSERT_TRUE (folder.createDirectory().wasOk());
    const auto fifo = folder.getChildFile ("Kindlebrook.ini");
    ASSERT_EQ (mkfifo (fifo.getFullPathName().toRawUTF8(), 0600), 0);

    SettingsFile settings;
    settings.Timer = 3;
    auto reading = std::async (std::launch::async, [&] { return settings.readFrom (fifo); });
    const bool finished = reading.wait_for (std::chrono::seconds (10)) == std::future_status::ready;

    if (! finished)
        juce::FileOutputStream unblock (fifo);   // lets the blocked open go on, so the test fails instead of hanging

    EXPECT_TRUE (finished);
    EXPECT_FALSE (reading.get());
    EXPECT_EQ (settings.Timer, 3);
    folder.deleteRecursively();
}
#endif

TEST (SettingsFile, AMergeKeepsWhatThisCopyChangedAndTheFileForTheRest)
{
    SettingsFile base;
    base.Sets = "a.kbs";
    base.LastItem = 4;

    SettingsFile theirs = base; // another copy changed the language and the filter's tag
    theirs.Language = 0;
    theirs.Tags = 406;
    theirs.LastItem = 9;

    SettingsFile mine = base; // this one changed the timer and showed another advice
    mine.Timer = 300;
    mine.LastItem = 2;

    auto merged = SettingsFile::merge (base, mine, theirs);
    EXPECT_EQ (merged.toText(), [&] { auto t = theirs; t.Timer = 300; return t.toText(); }())
        << "the advice shown belongs to the filter written, here the other copy's";

    theirs.Tags = base.Tags;
    merged = SettingsFile::merge (base, mine, theirs);
    EXPECT_EQ (merged.Language, 0);
    EXPECT_EQ (merged.Timer, 300);
    EXPECT_EQ (merged.LastItem, 2);

    // Where both changed a value, this copy's choice is the later one and wins.
    theirs.Sets = "b.kbs";
    mine.Sets = "c.kbs";
    mine.LookForFavorites = true;
    merged = SettingsFile::merge (base, mine, theirs);
    EXPECT_EQ (merged.Sets, "c.kbs");
    EXPECT_TRUE (merged.LookForFavorites);
    EXPECT_EQ (merged.LastItem, 2);
}
