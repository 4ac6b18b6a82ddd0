#include "mainscreen/SettingsFile.h"

#include <gtest/gtest.h>

#include <limits>

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

TEST (SettingsFile, NumbersReadAsAtoiDoesButStayWithinInt)
{
    for (auto [text, value] : { std::pair (" 30", 30), { "30 ", 30 }, { "\t-5x", -5 }, { "+7", 7 }, { "abc", 0 },
                                { "99999999999999999999", std::numeric_limits<int>::max() },
                                { "-99999999999999999999", std::numeric_limits<int>::min() } })
        EXPECT_EQ (SettingsFile::parseInteger (text), value) << text;
}
