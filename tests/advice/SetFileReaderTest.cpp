#include "advice/SetFileReader.h"
#include "advice/AdviceSet.h"
#include "advice/TagCatalogue.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

// On text alone: each header value past the previous one, each record's keys within that record.
TEST (SetFileReader, ReadsBothFormatsForwardFromText)
{
    TagCatalogue catalogue;
    juce::OwnedArray<AdviceItem> items, spares;

    // Item objects of an earlier read come back with nothing of their old content.
    auto addUsedSpares = [&spares]
    {
        for (int i = 0; i < 3; ++i)
        {
            auto* used = spares.add (new AdviceItem());
            used->text = "old";
            used->setTagsFromString ("9,8,");
            used->favourite = true;
        }
    };

    addUsedSpares();

    SetFileReader current ("Name=Language=9;Description=D;Language=2;Colour=1,2;"
                           "Item=one;Tags=4,;Item=two;Favorite=true;Item=three;Tags=5,6;Favorite=true;Tags=7,;",
                           false, &catalogue);
    const auto header = current.readHeader();
    EXPECT_EQ (header.name, "Language=9");
    EXPECT_EQ (header.description, "D");
    EXPECT_EQ (header.author, "");
    EXPECT_EQ (header.language, 2);
    EXPECT_EQ (header.colour, juce::Colour (1, 2, 0));

    current.readItems (items, spares);
    ASSERT_EQ (items.size(), 3);
    EXPECT_EQ (items[0]->text + "|" + items[0]->getTagsString() + juce::String ((int) items[0]->favourite), "one|4,0");
    EXPECT_EQ (items[1]->text + "|" + items[1]->getTagsString() + juce::String ((int) items[1]->favourite), "two|1");
    EXPECT_EQ (items[2]->text + "|" + items[2]->getTagsString() + juce::String ((int) items[2]->favourite), "three|5,1");

    EXPECT_TRUE (spares.isEmpty());
    items.clear();
    addUsedSpares();
    SetFileReader legacy ("Nom=Vieux;Auteur=Anon;Ann\xc3\xa9" "e=2009;Description=D;Language=1;"
                          "Texte=a;Attributs=GUIT,ZZZZ,;Favori=1;Texte=b;Favori=1;", true, &catalogue);
    const auto legacyHeader = legacy.readHeader();
    EXPECT_EQ (legacyHeader.author, "Anon (2009)");
    EXPECT_EQ (legacyHeader.colour, juce::Colours::orange);

    legacy.readItems (items, spares);
    ASSERT_EQ (items.size(), 2);
    EXPECT_EQ (items[0]->getTagsString(), "200,0,");
    EXPECT_EQ (items[1]->getTagsString(), "");
    EXPECT_FALSE (items[0]->favourite || items[1]->favourite);
}

// Hand-made UTF-8 may hold an overlong form ("\xc0\xaf" is "/"): the order is still that of the characters.
TEST (SetFileReader, OverlongFormsSortByTheirCharacter)
{
    kbtest::TempFolder temp;
    const auto file = temp.getChildFile ("set.kbs");
    const char text[] = "Name=x;Colour=1,2,3;Item=0;Tags=;Item=\xc0\xaf;Tags=;Item=.;Tags=;";
    ASSERT_TRUE (file.replaceWithData (text, sizeof (text) - 1));

    AdviceSet set (nullptr);
    set.setFile (file);
    set.readFromFile (2);
    ASSERT_EQ (set.getNumItems(), 3);
    EXPECT_EQ (set.getItemText (0), ".");
    EXPECT_EQ (set.getItemText (1).getCharPointer().getAndAdvance(), (juce::juce_wchar) '/');
    EXPECT_EQ (set.getItemText (2), "0");
}
