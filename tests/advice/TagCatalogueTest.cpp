#include "advice/TagCatalogue.h"

#include <gtest/gtest.h>

namespace
{
    juce::String utf8 (const char* text)
    {
        return juce::String (juce::CharPointer_UTF8 (text));
    }

    bool isTagId (int id)
    {
        return juce::isPositiveAndBelow (id, 3)
            || (id >= 100 && id <= 105)
            || (id >= 200 && id <= 215)
            || (id >= 300 && id <= 323)
            || (id >= 400 && id <= 417);
    }

    // Everything a language switch could disturb, for before/after comparisons.
    juce::StringArray snapshot (const TagCatalogue& catalogue)
    {
        juce::StringArray all;

        for (int id = 0; id < 500; ++id)
            all.add (juce::String (id) + ":" + catalogue.getTagName (id) + "|" + catalogue.getTagDescription (id));

        for (int c = 0; c <= TagCatalogue::numCategories; ++c)
        {
            all.add (catalogue.getCategoryName (c) + "|" + catalogue.getCategoryDescription (c));
            all.addArray (catalogue.getCategoryTagNames (c));
        }

        return all;
    }
}

TEST (TagCatalogueCodes, LookUpIgnoresCaseAndFallsBackToAbstract)
{
    TagCatalogue catalogue;

    EXPECT_EQ (catalogue.getTagIdFromCode ("GUIT"), 200);
    EXPECT_EQ (catalogue.getTagIdFromCode ("guit"), 200);
    EXPECT_EQ (catalogue.getTagIdFromCode ("Melo"), 406);

    // The placeholder stands four times; the first (Sampling) always wins.
    EXPECT_EQ (catalogue.getTagIdFromCode ("XXXX"), 213);
    EXPECT_EQ (catalogue.getTagIdFromCode ("xxxx"), 213);

    EXPECT_EQ (catalogue.getTagIdFromCode ("ZZZZ"), 0);
    EXPECT_EQ (catalogue.getTagIdFromCode ("GUI"), 0);
    EXPECT_EQ (catalogue.getTagIdFromCode ("GUITAR"), 0);
    EXPECT_EQ (catalogue.getTagIdFromCode ({}), 0);
}

TEST (TagCatalogueCodes, EveryLegacyCodeReachesItsOwnTag)
{
    TagCatalogue catalogue;

    // The old format's order: instruments, genres, abstraction level, themes.
    const char* codes[] = {
        "GUIT", "BASS", "DRUM", "PERC", "KEYS", "SYNT", "MACH", "BRAS", "WOOD", "STRI", "ORCH", "SING", "NOIS", "XXXX", "XXXX", "OTHI",
        "POPR", "ROCK", "META", "BLUE", "JAZZ", "PGRK", "SOUL", "FUNK", "HIPH", "TRPH", "ELEC", "TECH", "REGG", "XXXX", "EXPL", "SONG",
        "HITS", "CLAS", "OSTG", "CONT", "TRAD", "INST", "ILLU",
        "ABST", "KBRK", "CREA",
        "MOTI", "PROD", "COMP", "STRU", "ARRA", "HARM", "MELO", "RHYT", "LYRI", "APPR", "IMPR", "PERF", "RECO", "MIXA", "PDBS", "PRGS",
        "XXXX", "SFTW"
    };

    juce::Array<int> owners;

    for (auto range : { juce::Range<int> (200, 216), { 300, 323 }, { 0, 3 }, { 400, 418 } })
        for (int id = range.getStart(); id < range.getEnd(); ++id)
            owners.add (id);

    ASSERT_EQ (owners.size(), 60);
    ASSERT_EQ (juce::numElementsInArray (codes), 60);

    for (int i = 0; i < 60; ++i)
    {
        const juce::String code (codes[i]);
        const auto expected = code == "XXXX" ? 213 : owners[i];

        EXPECT_EQ (catalogue.getTagIdFromCode (code), expected) << code;
        EXPECT_EQ (catalogue.getTagIdFromCode (code.toLowerCase()), expected) << code;
    }
}

TEST (TagCatalogueTexts, NamesAtCategoryBoundaries)
{
    TagCatalogue catalogue;

    for (auto english : { true, false })
    {
        catalogue.rebuild (english);
        SCOPED_TRACE (english ? "English" : "French");

        EXPECT_EQ (catalogue.getTagName (2), english ? "Creativity" : utf8 ("Créativité"));
        EXPECT_EQ (catalogue.getTagName (100), english ? "Starting" : utf8 ("Démarrage"));
        EXPECT_EQ (catalogue.getTagName (105), english ? "Musical repertoire" : utf8 ("Répertoire musical"));
        EXPECT_EQ (catalogue.getTagName (215), english ? "Other instruments" : "Autres instruments");
        EXPECT_EQ (catalogue.getTagName (323), english ? "Other genres" : "Autres styles");
        EXPECT_EQ (catalogue.getTagName (417), english ? "Music software" : "Logiciels de musique");
        EXPECT_EQ (catalogue.getTagName (1), "Kindlebrook");

        for (auto id : { -1, -100, 3, 99, 106, 216, 324, 418, 500, 599, 1000 })
        {
            EXPECT_TRUE (catalogue.getTagName (id).isEmpty()) << id;
            EXPECT_TRUE (catalogue.getTagDescription (id).isEmpty()) << id;
        }
    }
}

TEST (TagCatalogueTexts, AccentsSurviveTheRebuild)
{
    TagCatalogue catalogue;
    catalogue.rebuild (false);

    const auto melody = catalogue.getTagName (406);
    EXPECT_EQ (melody, utf8 ("Mélodie"));
    EXPECT_EQ (melody.length(), 7);
    EXPECT_EQ (catalogue.getCategoryName (4), utf8 ("Thèmes de recherche"));
    EXPECT_TRUE (catalogue.getTagDescription (202).endsWith (utf8 ("\"que ferait un vrai batteur à 4 bras ?\"")));
}

TEST (TagCatalogueTexts, DescriptionFollowsTheTagAcrossCategories)
{
    TagCatalogue catalogue;

    EXPECT_TRUE (catalogue.getTagDescription (0).startsWith ("Indicates a highly abstract level."));
    EXPECT_TRUE (catalogue.getTagDescription (100).startsWith ("This tag is associated with advice regarding how to start something"));
    EXPECT_TRUE (catalogue.getTagDescription (200).contains ("guitars"));
    EXPECT_TRUE (catalogue.getTagDescription (323).contains ("not included in one of the previous categories"));
    EXPECT_TRUE (catalogue.getTagDescription (417).contains ("music creation software"));

    // Trailing spaces belong to the program's texts.
    EXPECT_TRUE (catalogue.getTagDescription (304).endsWith ("improvised sections. "));

    catalogue.rebuild (false);
    EXPECT_TRUE (catalogue.getTagDescription (100).startsWith (utf8 ("Ce tag s'applique aux conseils permettant de démarrer")));
    EXPECT_TRUE (catalogue.getTagDescription (417).contains ("logiciels musicaux"));
}

TEST (TagCatalogueTexts, ExactlyTheTagIdsCarryTexts)
{
    TagCatalogue catalogue;

    for (auto english : { true, false })
    {
        catalogue.rebuild (english);
        juce::StringArray descriptions;

        for (int id = -150; id < 650; ++id)
        {
            const auto name = catalogue.getTagName (id);
            const auto description = catalogue.getTagDescription (id);

            if (isTagId (id))
            {
                EXPECT_TRUE (name.isNotEmpty()) << id;
                EXPECT_TRUE (description.isNotEmpty()) << id;
                descriptions.add (description);
            }
            else
            {
                EXPECT_TRUE (name.isEmpty()) << id;
                EXPECT_TRUE (description.isEmpty()) << id;
            }
        }

        // A shifted flat position would hand two tags the same paragraph.
        EXPECT_EQ (descriptions.size(), 67);
        descriptions.removeDuplicates (false);
        EXPECT_EQ (descriptions.size(), 67);
    }
}

TEST (TagCatalogueTexts, LanguagesDifferEverywhereButKeepTheirShape)
{
    TagCatalogue catalogue;
    const auto english = snapshot (catalogue);

    juce::StringArray englishDescriptions;

    for (int id = 0; id < 500; ++id)
        englishDescriptions.add (catalogue.getTagDescription (id));

    catalogue.rebuild (false);

    for (int id = 0; id < 500; ++id)
    {
        if (isTagId (id))
        {
            EXPECT_NE (catalogue.getTagDescription (id), englishDescriptions[id]) << id;
        }
    }

    const int sizes[] = { 3, 6, 16, 24, 18, 2 };

    for (int c = 0; c <= TagCatalogue::numCategories; ++c)
        EXPECT_EQ (catalogue.getCategoryTagNames (c).size(), sizes[c]) << c;

    catalogue.rebuild (true);
    EXPECT_EQ (snapshot (catalogue), english);
}

TEST (TagCatalogueTexts, RebuildLeavesTheCodeTableAlone)
{
    TagCatalogue catalogue;
    catalogue.rebuild (false);
    catalogue.rebuild (false);

    EXPECT_EQ (catalogue.getTagIdFromCode ("guit"), 200);
    EXPECT_EQ (catalogue.getTagIdFromCode ("XXXX"), 213);
    EXPECT_EQ (catalogue.getTagIdFromCode ("SFTW"), 417);
    EXPECT_EQ (catalogue.getTagIdFromCode ("ABST"), 0);
    EXPECT_EQ (catalogue.getTagIdFromCode ("CREA"), 2);
}

TEST (TagCatalogueCategories, NamesDescriptionsAndLanguageList)
{
    TagCatalogue catalogue;

    EXPECT_EQ (catalogue.getCategoryName (0), "Abstraction level");
    EXPECT_EQ (catalogue.getCategoryName (4), "Research themes");
    EXPECT_EQ (catalogue.getCategoryTagNames (5), juce::StringArray ("French", "English"));
    EXPECT_EQ (catalogue.getCategoryTagNames (3)[23], "Other genres");

    for (int c = 0; c < TagCatalogue::numCategories; ++c)
    {
        EXPECT_TRUE (catalogue.getCategoryName (c).isNotEmpty()) << c;
        EXPECT_TRUE (catalogue.getCategoryDescription (c).isNotEmpty()) << c;
    }

    for (auto c : { -1, 5, 6, 100 })
    {
        EXPECT_TRUE (catalogue.getCategoryName (c).isEmpty()) << c;
        EXPECT_TRUE (catalogue.getCategoryDescription (c).isEmpty()) << c;
    }

    EXPECT_TRUE (catalogue.getCategoryTagNames (6).isEmpty());
    EXPECT_TRUE (catalogue.getCategoryTagNames (-1).isEmpty());

    catalogue.rebuild (false);
    EXPECT_EQ (catalogue.getCategoryName (0), "Niveau d'abstraction");
    EXPECT_EQ (catalogue.getCategoryTagNames (5), juce::StringArray (utf8 ("Français"), "Anglais"));
    EXPECT_EQ (catalogue.getCategoryTagNames (2)[0], "Guitares");
}
