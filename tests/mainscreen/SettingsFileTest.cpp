#include "TestSupport.h"
#include "mainscreen/MainComponent.h"
#include "mainscreen/SettingsFile.h"
#include "options/OptionsComponent.h"

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <sys/resource.h>

namespace
{
/** Files of this process cannot grow past a few bytes while this lives: writes are cut short
    as on a full disk (even for root). */
class FileSizeLimit
{
public:
    explicit FileSizeLimit (rlim_t bytes)
    {
        getrlimit (RLIMIT_FSIZE, &old);
        oldHandler = std::signal (SIGXFSZ, SIG_IGN);
        auto limited = old;
        limited.rlim_cur = bytes;
        setrlimit (RLIMIT_FSIZE, &limited);
    }

    ~FileSizeLimit()
    {
        setrlimit (RLIMIT_FSIZE, &old);
        std::signal (SIGXFSZ, oldHandler);
    }

private:
    rlimit old {};
    void (*oldHandler) (int) = nullptr;
};

SettingsFile readBack (const SettingsFile& written)
{
    SettingsFile read;
    read.Language = 77; // every value must come from the text
    read.parse (written.toText());
    return read;
}
} // namespace

TEST (SettingsFile, EverySetFileNameComesBackWithTheValuesAfterIt)
{
    const char* const names[] = { "Timer=2.kbs", "a;b.kbs", "Tags=1;LastItem=7.kbs", "50%.kbs",
                                  "%3B.kbs", "%253B.kbs", "x=%;=.kbs", " Spaced Out.KBS ", "" };

    for (auto* name : names)
    {
        SettingsFile settings;
        settings.Language = 0;
        settings.LanguageSet = 1;
        settings.Sets = juce::String (name);
        settings.Tags = 406;
        settings.LastItem = 12;
        settings.LookForFavorites = true;
        settings.Timer = 300;

        const auto read = readBack (settings);
        EXPECT_EQ (read.Sets, settings.Sets) << settings.toText();
        EXPECT_EQ (read.Language, 0);
        EXPECT_EQ (read.LanguageSet, 1);
        EXPECT_EQ (read.Tags, 406) << name;
        EXPECT_EQ (read.LastItem, 12) << name;
        EXPECT_TRUE (read.LookForFavorites) << name;
        EXPECT_EQ (read.Timer, 300) << name;
    }

    // Ordinary names stand in the file as they are, as they always did.
    SettingsFile settings;
    settings.Sets = juce::String (juce::CharPointer_UTF8 ("Id\xc3\xa9" "es (v2) & co.kbs"));
    EXPECT_TRUE (settings.toText().contains ("\nSets=" + settings.Sets + ";\n"));
    EXPECT_EQ (SettingsFile::encodeSetFileName ("a;b=c%.kbs"), "a%3Bb%3Dc%25.kbs");
}

TEST (SettingsFile, NumbersReadAsAtoiWouldWithinTheRangeOfInt)
{
    EXPECT_EQ (SettingsFile::parseInteger (" 30"), 30);
    EXPECT_EQ (SettingsFile::parseInteger ("30 "), 30);
    EXPECT_EQ (SettingsFile::parseInteger ("\t-5x"), -5);
    EXPECT_EQ (SettingsFile::parseInteger ("+7"), 7);
    EXPECT_EQ (SettingsFile::parseInteger ("abc"), 0);
    EXPECT_EQ (SettingsFile::parseInteger ("- 3"), 0);
    EXPECT_EQ (SettingsFile::parseInteger (""), 0);
    EXPECT_EQ (SettingsFile::parseInteger ("2147483647"), std::numeric_limits<int>::max());
    EXPECT_EQ (SettingsFile::parseInteger ("99999999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ (SettingsFile::parseInteger ("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ (SettingsFile::parseInteger ("-99999999999999999999999"), std::numeric_limits<int>::min());
}

TEST (SettingsFile, AWriteCutShortKeepsTheOldFile)
{
    kbtest::TempFolder folder;
    const auto file = folder.getChildFile ("Kindlebrook.ini");

    SettingsFile settings;
    EXPECT_FALSE (settings.readFrom (file));
    EXPECT_EQ (settings.Language, 1);

    settings.Sets = "first.kbs";
    ASSERT_TRUE (settings.writeTo (file));
    const auto before = file.loadFileAsString();

    settings.Sets = "second.kbs";
    {
        FileSizeLimit limit (64);
        EXPECT_FALSE (settings.writeTo (file));
    }
    EXPECT_EQ (file.loadFileAsString(), before);
    EXPECT_EQ (folder.getFolder().getNumberOfChildFiles (juce::File::findFiles), 1); // no temporary file left

    SettingsFile read;
    ASSERT_TRUE (read.readFrom (file));
    EXPECT_EQ (read.Sets, "first.kbs");

    // A folder in the file's place is no file to read, and cannot be written over.
    const auto folderInPlace = folder.getChildFile ("folder.ini");
    ASSERT_TRUE (folderInPlace.createDirectory());
    EXPECT_FALSE (read.readFrom (folderInPlace));
    EXPECT_FALSE (settings.writeTo (folderInPlace));
    EXPECT_TRUE (folderInPlace.isDirectory());
}

TEST (SettingsFile, TheMainScreenTellsAFailedWriteAtOptionsOkAndKeepsTheOldFileAtQuit)
{
    kbtest::TempFolder folder;
    const auto settingsFile = folder.getChildFile ("Kindlebrook.ini");
    folder.getChildFile ("data").createDirectory();
    folder.getChildFile ("data/a.kbs").replaceWithText ("KindlebrookV1 - Set file\n\nName=Alpha;\nLanguage=1;\n"
                                                        "Colour=200,0,0;\n\nItem=one;\nFavorite=false;\nTags=;\n");

    auto main = std::make_unique<MainComponent> (folder.getFolder());
    juce::StringArray problems;
    main->onProblem = [&] (const juce::String& title, const juce::String& message) { problems.add (title + ": " + message); };
    const auto before = settingsFile.loadFileAsString();
    ASSERT_TRUE (before.contains ("Timer=0;"));

    main->handleMenuResult (1);
    main->handleMenuResult (16); // a timer period, held in memory only until a write
    {
        FileSizeLimit limit (64);
        main->actionListenerCallback ("OptionsOK");
        ASSERT_EQ (problems.size(), 1);
        EXPECT_TRUE (problems[0].contains ("Settings not saved")) << problems[0];
        EXPECT_TRUE (problems[0].contains (settingsFile.getFullPathName())) << problems[0];
        EXPECT_EQ (settingsFile.loadFileAsString(), before);

        main.reset();
    }
    EXPECT_EQ (settingsFile.loadFileAsString(), before);

    // Once writing works again, the next confirmation says nothing.
    main = std::make_unique<MainComponent> (folder.getFolder());
    main->onProblem = [&] (const juce::String& title, const juce::String& message) { problems.add (title + ": " + message); };
    main->handleMenuResult (16);
    main->handleMenuResult (1);
    main->actionListenerCallback ("OptionsOK");
    EXPECT_EQ (problems.size(), 1);
    EXPECT_TRUE (settingsFile.loadFileAsString().contains ("Timer=300;"));
}
