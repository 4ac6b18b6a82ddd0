// The advice sets the program ships, read with the program's own reader and held to the
// rules every bundled advice must keep. A failure names the set file, the advice and the
// rule, so that whoever writes the sets can mend them from the test output alone.

#include "TestSupport.h"
#include "advice/AdviceSet.h"
#include "advice/TagCatalogue.h"
#include "editor/SpecialColourSelector.h"
#include "look/CustomLookAndFeel.h"
#include "mainscreen/MainComponent.h"
#include "widgets/SpecialLabel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace
{
constexpr juce::juce_wchar noBreakSpace = 0x00A0;
constexpr int minimumSetsPerLanguage = 12;
constexpr int minimumAdvicePerLanguage = 600;
constexpr int minimumAdvicePerTagAndLanguage = 8;
constexpr int minimumAbstractAdvicePerSet = 3;

// Each theme in both languages, so that a reader of either finds the whole range.
const char* const themes[][2] = {
    { "creation-fr.kbs", "creation-en.kbs" },           { "paroles-fr.kbs", "lyrics-en.kbs" },
    { "rythme-fr.kbs", "rhythm-en.kbs" },               { "improvisation-fr.kbs", "improvisation-en.kbs" },
    { "arrangement-fr.kbs", "arrangement-en.kbs" },     { "scene-fr.kbs", "stage-en.kbs" },
    { "composition-fr.kbs", "composing-en.kbs" },       { "pratique-fr.kbs", "practice-en.kbs" },
    { "publication-fr.kbs", "releasing-en.kbs" },       { "image-fr.kbs", "screen-en.kbs" },
    { "studio-fr.kbs", "studio-en.kbs" },               { "synthese-fr.kbs", "synthesis-en.kbs" }
};

struct BundledAdvice
{
    juce::String fileName;
    int language = 0;
    juce::String text;
    juce::Array<int> tags;
};

juce::String where (const BundledAdvice& advice)
{
    return advice.fileName + ": \"" + advice.text + "\": ";
}

/** Every bundled set, read once for all the tests of this file. */
struct Bundle
{
    TagCatalogue catalogue;
    juce::OwnedArray<AdviceSet> sets;
    std::vector<BundledAdvice> advice;

    Bundle()
    {
        auto files = kbtest::getBundledDataFolder().findChildFiles (juce::File::findFiles, false, "*.kbs");
        files.sort();

        for (auto& file : files)
        {
            auto* set = sets.add (new AdviceSet (&catalogue));
            set->setFile (file);
            set->readFromFile (2);

            for (int i = 0; i < set->getNumItems(); ++i)
            {
                BundledAdvice item;
                item.fileName = file.getFileName();
                item.language = set->getLanguage();
                item.text = set->getItemText (i);

                for (auto& token : juce::StringArray::fromTokens (set->getItemTagsString (i), ",", {}))
                    if (token.isNotEmpty())
                        item.tags.add (token.getIntValue());

                advice.push_back (item);
            }
        }
    }
};

// Read once per test suite and dropped before the JUCE layer shuts down.
std::unique_ptr<Bundle> loadedBundle;

const Bundle& bundle()
{
    if (loadedBundle == nullptr)
        loadedBundle = std::make_unique<Bundle>();
    return *loadedBundle;
}

/** The category sizes, taken from the catalogue itself. */
juce::Array<int> allTagIds (const TagCatalogue& catalogue)
{
    juce::Array<int> ids;
    for (int category = 0; category < 5; ++category)
        for (int i = 0; i < catalogue.getCategoryTagNames (category).size(); ++i)
            ids.add (category * 100 + i);
    return ids;
}

//==============================================================================
// The rules, each usable on any text so that they are tried on known faults as well.

juce::String tagProblem (const juce::Array<int>& tags, const TagCatalogue& catalogue)
{
    int levels = 0;
    for (auto tag : tags)
    {
        if (catalogue.getTagName (tag).isEmpty())
            return "tag " + juce::String (tag) + " is not in the tag catalogue";
        if (tag >= 0 && tag < 100)
            ++levels;
    }

    if (levels != 1)
        return "needs exactly one abstraction level tag (0, 1 or 2), has " + juce::String (levels);
    if (tags.size() < 2)
        return "needs at least one tag besides its abstraction level";
    return {};
}

/** Lower case words of letters and digits, one space apart: punctuation and case never hide a repeat. */
juce::String normalised (const juce::String& text)
{
    juce::String result;
    bool pendingSpace = false;

    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
    {
        const auto c = *p;
        if (juce::CharacterFunctions::isLetterOrDigit (c))
        {
            if (pendingSpace && result.isNotEmpty())
                result << ' ';
            result << juce::CharacterFunctions::toLowerCase (c);
            pendingSpace = false;
        }
        else
        {
            pendingSpace = true;
        }
    }
    return result;
}

/** The phrases quoted after "Example:" or "Exemple:" in every tag description, in both languages. */
juce::StringArray catalogueExamples()
{
    TagCatalogue catalogue;
    juce::StringArray examples;

    for (bool english : { true, false })
    {
        catalogue.rebuild (english);

        for (auto id : allTagIds (catalogue))
        {
            const auto description = catalogue.getTagDescription (id);
            const auto marker = juce::jmax (description.lastIndexOf ("Example:"), description.lastIndexOf ("Exemple:"));
            if (marker < 0)
                continue;

            const auto open = description.indexOfChar (marker, '"');
            const auto close = open < 0 ? -1 : description.indexOfChar (open + 1, '"');
            if (close > open)
                examples.addIfNotAlreadyThere (normalised (description.substring (open + 1, close)));
        }
    }

    examples.removeEmptyStrings();
    return examples;
}

/** A long example counts wherever it appears; a short one ("more brass") only when it makes
    up half the advice or more, so that its words stay free for advice of one's own. */
bool restatesExample (const juce::String& text, const juce::String& normalisedExample)
{
    const auto advice = normalised (text);
    if (! (" " + advice + " ").contains (" " + normalisedExample + " "))
        return false;

    const auto exampleWords = juce::StringArray::fromTokens (normalisedExample, " ", {}).size();
    const auto adviceWords = juce::StringArray::fromTokens (advice, " ", {}).size();
    return exampleWords >= 3 || exampleWords * 2 >= adviceWords;
}

bool isFrenchHighMark (juce::juce_wchar c)
{
    return c == '?' || c == '!' || c == ':';
}

/** French typography: a no-break space before ? ! and :, never a plain space or none (a mark
    may follow another, as in "?!"). */
juce::String frenchMarkProblem (const juce::String& text)
{
    for (int i = 0; i < text.length(); ++i)
    {
        const auto c = text[i];
        if (! isFrenchHighMark (c))
            continue;

        const auto before = i > 0 ? text[i - 1] : 0;
        if (before == noBreakSpace || isFrenchHighMark (before))
            continue;

        return juce::String ("needs a no-break space (U+00A0) before \"") + juce::String::charToString (c) + "\", has "
               + (before == ' ' ? "a plain space" : "no space");
    }
    return {};
}

/** Draws the label with its look and feel into an image larger than the label, so that ink the
    label would lose at its edges shows up around it. */
juce::Image drawLabelWithRoom (juce::Label& label, int room)
{
    juce::Image image (juce::Image::ARGB, label.getWidth() + 2 * room, label.getHeight() + 2 * room, true);
    juce::Graphics g (image);
    g.setOrigin (room, room);
    label.getLookAndFeel().drawLabel (g, label);
    return image;
}

/** Shows the text in the label as the main screen does and measures it: every pixel of ink
    inside the label, no squeezing, whole words on every line, and no line that starts with a
    mark that belongs to the word before it. */
juce::StringArray fitProblems (juce::Label& label, const juce::String& text)
{
    juce::StringArray problems;
    const auto width = label.getWidth();
    const auto height = label.getHeight();

    if (label.getMinimumHorizontalScale() != 1.0f)
        problems.add ("the advice label may squeeze its text (minimum horizontal scale "
                      + juce::String (label.getMinimumHorizontalScale()) + ")");

    constexpr int room = 80;
    label.setText ({}, juce::dontSendNotification);
    const auto empty = drawLabelWithRoom (label, room);
    label.setText (text, juce::dontSendNotification);
    const auto drawn = drawLabelWithRoom (label, room);

    const juce::Image::BitmapData drawnPixels (drawn, juce::Image::BitmapData::readOnly);
    const juce::Image::BitmapData emptyPixels (empty, juce::Image::BitmapData::readOnly);
    int inkInside = 0, inkOutside = 0;

    for (int y = 0; y < drawn.getHeight(); ++y)
    {
        for (int x = 0; x < drawn.getWidth(); ++x)
        {
            if (kbtest::coloursClose (drawnPixels.getPixelColour (x, y), emptyPixels.getPixelColour (x, y), 8))
                continue;

            const bool inside = x >= room && x < room + width && y >= room && y < room + height;
            ++(inside ? inkInside : inkOutside);
        }
    }

    if (inkInside == 0)
        problems.add ("nothing of it is drawn in the advice label");
    if (inkOutside > 0)
        problems.add ("is cut off: " + juce::String (inkOutside) + " pixels of it fall outside the "
                      + juce::String (width) + " x " + juce::String (height) + " advice label");

    // The same wrap the look and feel draws with.
    auto glyphs = CustomLookAndFeel::layOutWrappedText (label.getFont(), text, width, height, label.getJustificationType());

    int lines = glyphs.getNumGlyphs() > 0 ? 1 : 0;
    for (int i = 1; i < glyphs.getNumGlyphs(); ++i)
    {
        const auto& glyph = glyphs.getGlyph (i);
        if (glyph.getBaselineY() <= glyphs.getGlyph (i - 1).getBaselineY() + 0.5f)
            continue;

        ++lines;
        const auto first = glyph.getCharacter();

        if (! glyphs.getGlyph (i - 1).isWhitespace() && ! glyph.isWhitespace())
            problems.add ("the word wrap breaks a word that is wider than the label");
        if (isFrenchHighMark (first) || first == noBreakSpace)
            problems.add ("the word wrap starts a line with \"" + juce::String::charToString (first) + "\"");
    }

    const auto lineHeight = label.getFont().getHeight();
    if ((float) lines * lineHeight > (float) height + 0.01f)
        problems.add ("needs " + juce::String (lines) + " lines, the advice label holds "
                      + juce::String ((int) ((float) height / lineHeight)));

    return problems;
}

/** The main screen's advice label: the label that shows the current advice. */
juce::Label* findAdviceLabel (MainComponent& main)
{
    for (auto* child : main.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            if (label->getText().isNotEmpty() && label->getText() == main.getAdviceText())
                return label;
    return nullptr;
}

int countWithTag (int language, int tag)
{
    int count = 0;
    for (auto& advice : bundle().advice)
        if (advice.language == language && advice.tags.contains (tag))
            ++count;
    return count;
}

void expectLanguageHalf (int language)
{
    const auto& all = bundle();
    int sets = 0, advice = 0;

    for (auto* set : all.sets)
        if (set->getLanguage() == language)
        {
            ++sets;
            advice += set->getNumItems();
        }

    EXPECT_GE (sets, minimumSetsPerLanguage) << "sets in language " << language;
    EXPECT_GE (advice, minimumAdvicePerLanguage) << "advice in language " << language;

    for (auto tag : allTagIds (all.catalogue))
    {
        const auto count = countWithTag (language, tag);
        if (count < minimumAdvicePerTagAndLanguage)
            ADD_FAILURE() << "tag " << tag << " (" << all.catalogue.getTagName (tag) << ") has " << count
                          << " advice in language " << language << ", needs " << minimumAdvicePerTagAndLanguage;
    }
}
} // namespace

class BundledSets : public ::testing::Test
{
protected:
    static void TearDownTestSuite() { loadedBundle.reset(); }
};

//==============================================================================
TEST (BundledSetRules, CatchTheFaultsTheyAreMeantToCatch)
{
    TagCatalogue catalogue;
    EXPECT_TRUE (tagProblem ({ 2, 406 }, catalogue).isEmpty());
    EXPECT_TRUE (tagProblem ({ 1, 103, 402 }, catalogue).isEmpty());
    EXPECT_FALSE (tagProblem ({ 406 }, catalogue).isEmpty());
    EXPECT_FALSE (tagProblem ({ 2 }, catalogue).isEmpty());
    EXPECT_FALSE (tagProblem ({ 0, 2, 406 }, catalogue).isEmpty());
    EXPECT_FALSE (tagProblem ({ 2, 418 }, catalogue).isEmpty());

    const auto examples = catalogueExamples();
    EXPECT_GE (examples.size(), 40) << "the examples of the tag descriptions were not found";
    EXPECT_TRUE (examples.contains ("more brass"));
    EXPECT_TRUE (examples.contains ("courage"));
    EXPECT_TRUE (examples.contains ("write a 7 4 section"));
    EXPECT_TRUE (restatesExample ("More brass!", "more brass"));
    EXPECT_TRUE (restatesExample ("Courage !", "courage"));
    EXPECT_TRUE (restatesExample ("Now write a 7/4 section, please.", "write a 7 4 section"));
    EXPECT_FALSE (restatesExample ("Double the bass line with low brass in the last chorus.", "more brass"));
    EXPECT_FALSE (restatesExample ("Write the bridge in 7/4.", "write a 7 4 section"));

    const juce::String nbsp = juce::String::charToString (noBreakSpace);
    EXPECT_TRUE (frenchMarkProblem ("Et si le pont était en 7/8" + nbsp + "?").isEmpty());
    EXPECT_TRUE (frenchMarkProblem ("Deux règles" + nbsp + ": jouer lent, jouer juste" + nbsp + "!").isEmpty());
    EXPECT_TRUE (frenchMarkProblem ("Vraiment" + nbsp + "?!").isEmpty());
    EXPECT_FALSE (frenchMarkProblem ("Et si le pont était en 7/8 ?").isEmpty());
    EXPECT_FALSE (frenchMarkProblem ("Et si le pont était en 7/8?").isEmpty());
    EXPECT_FALSE (frenchMarkProblem ("Deux règles: jouer lent").isEmpty());
    EXPECT_FALSE (frenchMarkProblem ("?").isEmpty());

    kbtest::TempFolder folder;
    MainComponent main (folder.getFolder());
    main.onProblem = [] (const juce::String&, const juce::String&) {};
    auto* label = findAdviceLabel (main);
    ASSERT_NE (label, nullptr);

    EXPECT_TRUE (fitProblems (*label, "Sing the chorus an octave lower.").isEmpty());
    EXPECT_FALSE (fitProblems (*label, juce::String::repeatedString ("Play it again and listen. ", 20)).isEmpty());
    EXPECT_FALSE (fitProblems (*label, juce::String::repeatedString ("x", 80)).isEmpty());

    // A mark is pushed onto a new line once the word before it fills the line; narrow letters
    // move the word's end a few pixels at a time, so some length does it after a plain space.
    // After a no-break space no length does: the wrap keeps the mark with its word.
    for (auto space : { juce::String (" "), nbsp })
    {
        bool markStartedALine = false;
        for (int letters = 1; letters < 50 && ! markStartedALine; ++letters)
            markStartedALine = fitProblems (*label, "Alors pourquoi pas " + juce::String::repeatedString ("i", letters) + space + "?")
                                   .joinIntoString ("|").contains ("starts a line with");
        EXPECT_EQ (markStartedALine, space == " ") << "space U+" << juce::String::toHexString ((int) space[0]);
    }
}

TEST_F (BundledSets, EveryAdviceHasOneAbstractionLevelAndAnotherTag)
{
    const auto& all = bundle();
    ASSERT_FALSE (all.advice.empty());

    for (auto& advice : all.advice)
    {
        const auto problem = tagProblem (advice.tags, all.catalogue);
        if (problem.isNotEmpty())
            ADD_FAILURE() << where (advice) << problem;
    }
}

TEST_F (BundledSets, EveryAdviceIsTextTheSetEditorWouldKeepAsItIs)
{
    for (auto& advice : bundle().advice)
    {
        if (advice.text.length() > SpecialLabel::maxTextLength)
            ADD_FAILURE() << where (advice) << "has " << advice.text.length() << " characters, the set editor allows "
                          << SpecialLabel::maxTextLength;
        if (SpecialLabel::cleanText (advice.text) != advice.text || advice.text.containsAnyOf ("\r\n\t"))
            ADD_FAILURE() << where (advice) << "has white space the set editor would remove (at the ends, doubled, or a line break)";
    }
}

TEST_F (BundledSets, NoTextIsRepeatedAcrossAllSets)
{
    std::map<juce::String, const BundledAdvice*> seen;

    for (auto& advice : bundle().advice)
    {
        const auto key = normalised (advice.text);
        const auto [it, isNew] = seen.emplace (key, &advice);
        if (! isNew)
            ADD_FAILURE() << where (advice) << "repeats the advice of " << it->second->fileName << ": \""
                          << it->second->text << "\"";
    }
}

TEST_F (BundledSets, NoAdviceRestatesACatalogueExample)
{
    const auto examples = catalogueExamples();
    ASSERT_GE (examples.size(), 40);

    for (auto& advice : bundle().advice)
        for (auto& example : examples)
            if (restatesExample (advice.text, example))
                ADD_FAILURE() << where (advice) << "restates the tag catalogue's example \"" << example << "\"";
}

TEST_F (BundledSets, FrenchAdvicePutsANoBreakSpaceBeforeHighMarks)
{
    for (auto& advice : bundle().advice)
    {
        if (advice.language != 0)
            continue;

        const auto problem = frenchMarkProblem (advice.text);
        if (problem.isNotEmpty())
            ADD_FAILURE() << where (advice) << problem;
    }
}

TEST_F (BundledSets, EveryAdviceFitsTheMainScreenWithoutBeingCutOrSqueezed)
{
    kbtest::TempFolder folder;
    ASSERT_TRUE (kbtest::getBundledDataFolder().copyDirectoryTo (folder.getChildFile ("data")));
    folder.getChildFile ("Kindlebrook.ini").replaceWithText ("Kindlebrook V1 - Init Data File\nLanguage=1;\nLanguageSet=-1;\n");

    MainComponent main (folder.getFolder());
    main.onProblem = [] (const juce::String&, const juce::String&) {};
    auto& library = main.getSetLibrary();
    ASSERT_EQ (library.getPoolSize(), (int) bundle().advice.size()) << "the main screen does not show every bundled advice";

    int longest = 0;

    for (int i = 0; i < library.getPoolSize(); ++i)
    {
        main.showAdvice (i, false);
        auto* label = findAdviceLabel (main);
        ASSERT_NE (label, nullptr);

        BundledAdvice shown;
        for (auto* set : bundle().sets)
            if (set->getName() == library.getPoolSetName (i))
                shown.fileName = set->getFile().getFileName();
        shown.text = main.getAdviceText();

        for (auto& problem : fitProblems (*label, shown.text))
            ADD_FAILURE() << where (shown) << problem;

        if (shown.text.length() > library.getPoolText (longest).length())
            longest = i;
    }

    // The tightest case, for a person's eye.
    main.showAdvice (longest, false);
    kbtest::saveForViewing (kbtest::renderComponent (main), "main-screen-longest-bundled-advice");
}

TEST_F (BundledSets, EverySetHasItsOwnHeaderColourAndAllThreeLevels)
{
    const auto& all = bundle();
    SpecialColourSelector palette;
    std::set<juce::String> names;
    std::set<juce::uint32> colours;

    for (auto* set : all.sets)
    {
        const auto file = set->getFile().getFileName();

        EXPECT_TRUE (set->getName().isNotEmpty()) << file << ": no name";
        EXPECT_TRUE (set->getDescription().isNotEmpty()) << file << ": no description";
        EXPECT_TRUE (set->getAuthor().isNotEmpty()) << file << ": no author";
        if (set->getLanguage() == 1)
        {
            EXPECT_EQ (set->getAuthor(), "Kindlebrook team") << file;
        }
        EXPECT_TRUE (set->getLanguage() == 0 || set->getLanguage() == 1) << file << ": language " << set->getLanguage();
        EXPECT_TRUE (names.insert (set->getName()).second) << file << ": name \"" << set->getName() << "\" taken by another set";
        EXPECT_TRUE (colours.insert (set->getColour().getARGB()).second)
            << file << ": colour " << set->getColour().toDisplayString (false) << " taken by another set";

        palette.setSelectedColour (set->getColour());
        EXPECT_EQ (palette.getSelectedColour(), set->getColour())
            << file << ": colour " << set->getColour().toDisplayString (false) << " is not in the colour selector's palette";

        for (int level = 0; level <= 2; ++level)
        {
            int count = 0;
            for (int i = 0; i < set->getNumItems(); ++i)
                count += set->itemHasTag (i, level) ? 1 : 0;
            EXPECT_GE (count, level == 0 ? minimumAbstractAdvicePerSet : 1) << file << ": advice of abstraction level " << level;
        }

        // UTF-8 in exactly the layout the program itself writes, items in their sorted order.
        juce::MemoryBlock bytes;
        ASSERT_TRUE (set->getFile().loadFileAsData (bytes)) << file;
        const auto stored = juce::StringArray::fromLines (bytes.toString());
        const auto expected = juce::StringArray::fromLines (set->createFileText());
        for (int line = 0; line < juce::jmax (stored.size(), expected.size()); ++line)
        {
            if (stored[line] != expected[line])
            {
                ADD_FAILURE() << file << ", line " << line + 1 << ": \"" << stored[line]
                              << "\" where the set file layout (UTF-8, items sorted by text) has \"" << expected[line] << "\"";
                break;
            }
        }
    }
}

TEST_F (BundledSets, EachLanguageHasEveryThemeAndEveryTagEightTimes)
{
    expectLanguageHalf (0);
    expectLanguageHalf (1);

    for (auto& theme : themes)
        for (int language = 0; language < 2; ++language)
        {
            const auto* found = std::find_if (bundle().sets.begin(), bundle().sets.end(),
                                              [&] (AdviceSet* set) { return set->getFile().getFileName() == theme[language]; });
            if (found == bundle().sets.end())
                ADD_FAILURE() << theme[language] << " is missing";
            else
                EXPECT_EQ ((*found)->getLanguage(), language) << theme[language];
        }
}

TEST_F (BundledSets, NoTagIsMuchThinnerInOneLanguage)
{
    for (auto tag : allTagIds (bundle().catalogue))
    {
        const auto french = countWithTag (0, tag), english = countWithTag (1, tag);
        const auto larger = juce::jmax (french, english), smaller = juce::jmin (french, english);
        if (larger >= 10 && smaller * 2 < larger)
            ADD_FAILURE() << "tag " << tag << " (" << bundle().catalogue.getTagName (tag) << "): " << french
                          << " French and " << english << " English advice";
    }
}
