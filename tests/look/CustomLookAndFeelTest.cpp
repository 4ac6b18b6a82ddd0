#include <gtest/gtest.h>

#include "TestSupport.h"
#include "look/CustomLookAndFeel.h"

using juce::Colour;
namespace Colours = juce::Colours;

namespace
{
bool isOrangeish (Colour c)
{
    return c.getAlpha() > 40 && c.getRed() > 120 && c.getRed() - c.getBlue() > 60;
}

int countPixels (const juce::Image& image, std::function<bool (Colour)> predicate)
{
    int count = 0;

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (predicate (image.getPixelAt (x, y)))
                ++count;

    return count;
}

bool isLit (Colour c)
{
    return c.getAlpha() > 60 && c.getBrightness() > 0.3f;
}

/** The groups of consecutive rows that hold lit pixels: one per line of text. */
int countTextBands (const juce::Image& image)
{
    int bands = 0;
    bool previousLit = false;

    for (int y = 0; y < image.getHeight(); ++y)
    {
        bool lit = false;

        for (int x = 0; x < image.getWidth() && ! lit; ++x)
            lit = isLit (image.getPixelAt (x, y));

        if (lit && ! previousLit)
            ++bands;

        previousLit = lit;
    }

    return bands;
}

int leftmostLitColumn (const juce::Image& image)
{
    for (int x = 0; x < image.getWidth(); ++x)
        for (int y = 0; y < image.getHeight(); ++y)
            if (isLit (image.getPixelAt (x, y)))
                return x;

    return -1;
}

/** Draws the label through the look and feel into a larger area, so wrapped lines that overflow stay visible. */
juce::Image drawLabelUnclipped (CustomLookAndFeel& laf, juce::Label& label, int width, int height)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    juce::Graphics g (image);
    laf.drawLabel (g, label);
    return image;
}
} // namespace

//==============================================================================
TEST (CustomLookAndFeel, TextButtonOutlineFollowsTheStyleSwitch)
{
    CustomLookAndFeel laf;
    juce::TextButton button ("OK");
    button.setLookAndFeel (&laf);
    button.setBounds (0, 0, 100, 30);

    // Orange style: rounded, so the body's corner pixel stays empty; full orange on the left edge.
    auto image = kbtest::renderComponent (button);
    kbtest::saveForViewing (image, "look_button_orange");
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (3, 15), Colours::orange));
    EXPECT_EQ (image.getPixelAt (4, 4).getAlpha(), 0);
    // The body is plain black whatever the button colour says.
    EXPECT_EQ (image.getPixelAt (10, 15).getARGB(), 0xff000000u);

    laf.setEditorButtonStyle (true);

    // Grey style: square corners in grey, no orange anywhere.
    image = kbtest::renderComponent (button);
    kbtest::saveForViewing (image, "look_button_grey");
    EXPECT_GT (image.getPixelAt (4, 4).getAlpha(), 0);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (4, 4).withAlpha (1.0f), Colours::grey, 3));
    EXPECT_EQ (countPixels (image, isOrangeish), 0);

    // Lighter grey under the mouse.
    button.setState (juce::Button::buttonOver);
    image = kbtest::renderComponent (button);
    kbtest::saveForViewing (image, "look_button_grey_hover");
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (4, 4).withAlpha (1.0f), Colours::lightgrey, 3));

    button.setLookAndFeel (nullptr);
}

TEST (CustomLookAndFeel, DisabledAndConnectedButtonsKeepBodyAndOutline)
{
    CustomLookAndFeel laf;
    juce::TextButton button ("OK");
    button.setLookAndFeel (&laf);
    button.setBounds (0, 0, 100, 30);

    button.setEnabled (false);
    auto image = kbtest::renderComponent (button);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (3, 15), Colours::orange));
    EXPECT_EQ (image.getPixelAt (10, 15).getARGB(), 0xff000000u);

    // A plain button's body starts at 3.35, a left-connected one's at 3.1: pixel 2 is covered more.
    button.setEnabled (true);
    const auto plainCoverage = kbtest::renderComponent (button).getPixelAt (2, 15).getAlpha();
    button.setConnectedEdges (juce::Button::ConnectedOnLeft);
    const auto connectedCoverage = kbtest::renderComponent (button).getPixelAt (2, 15).getAlpha();
    EXPECT_LT (plainCoverage, 190);
    EXPECT_GT (connectedCoverage, 205);

    button.setLookAndFeel (nullptr);
}

TEST (CustomLookAndFeel, UnfocusedTextEditorHasNoFrame)
{
    CustomLookAndFeel laf;
    juce::TextEditor editor;
    editor.setLookAndFeel (&laf);
    editor.setBounds (0, 0, 120, 24);
    editor.setText ("Hello");

    for (auto readOnly : { false, true })
    {
        editor.setReadOnly (readOnly);
        const auto image = kbtest::renderComponent (editor);

        // Transparent background and no outline or bevel: the edges stay empty.
        for (int x = 0; x < 120; ++x)
        {
            EXPECT_EQ (image.getPixelAt (x, 0).getAlpha(), 0) << x;
            EXPECT_EQ (image.getPixelAt (x, 23).getAlpha(), 0) << x;
        }

        EXPECT_EQ (image.getPixelAt (0, 12).getAlpha(), 0);
        EXPECT_EQ (image.getPixelAt (119, 12).getAlpha(), 0);
    }

    editor.setLookAndFeel (nullptr);
}

TEST (CustomLookAndFeel, ComboBoxIsFlatWithOutlinesAndArrows)
{
    CustomLookAndFeel laf;
    juce::ComboBox box;
    box.setLookAndFeel (&laf);
    box.setBounds (0, 0, 120, 24);
    box.addItem ("One", 1);
    box.setSelectedId (1, juce::dontSendNotification);

    auto image = kbtest::renderComponent (box);
    kbtest::saveForViewing (image, "look_combobox");

    // The button area starts where the text label ends: x = 1 + 120 + 3 - 24 = 100.
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (0, 12), Colours::grey));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (100, 12), Colours::grey));

    // Flat black fill: no glass highlight at the top or bottom of the button area.
    for (auto p : { juce::Point<int> (103, 3), juce::Point<int> (103, 20), juce::Point<int> (117, 12) })
        EXPECT_EQ (image.getPixelAt (p.x, p.y).getARGB(), 0xff000000u) << p.toString();

    // Two white arrows with a gap between them.
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (109, 9), Colours::white, 8));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (109, 14), Colours::white, 8));
    EXPECT_EQ (image.getPixelAt (109, 11).getARGB(), 0xff000000u);

    box.setEnabled (false);
    image = kbtest::renderComponent (box);
    EXPECT_FALSE (isLit (image.getPixelAt (109, 9)));
    EXPECT_FALSE (isLit (image.getPixelAt (109, 14)));

    box.setLookAndFeel (nullptr);
}

TEST (CustomLookAndFeel, LabelWrapsOnlyAtFullHorizontalScale)
{
    CustomLookAndFeel laf;
    juce::Label label ({}, "one two three four five six seven eight nine ten");
    label.setLookAndFeel (&laf);
    label.setFont (juce::Font (15.0f));
    label.setJustificationType (juce::Justification::topLeft);
    label.setBounds (0, 0, 80, 20);

    label.setMinimumHorizontalScale (1.0f);
    const auto wrapped = drawLabelUnclipped (laf, label, 80, 200);
    kbtest::saveForViewing (wrapped, "look_label_wrapped");
    EXPECT_GE (countTextBands (wrapped), 3);

    // With the usual 0.7 the text is squeezed into the one line the height allows.
    label.setMinimumHorizontalScale (0.7f);
    const auto fitted = drawLabelUnclipped (laf, label, 80, 200);
    kbtest::saveForViewing (fitted, "look_label_fitted");
    EXPECT_EQ (countTextBands (fitted), 1);

    // Line breaks in the text start new lines too.
    label.setMinimumHorizontalScale (1.0f);
    label.setText ("first\nsecond", juce::dontSendNotification);
    label.setSize (200, 20);
    EXPECT_EQ (countTextBands (drawLabelUnclipped (laf, label, 200, 100)), 2);

    label.setLookAndFeel (nullptr);
}

TEST (CustomLookAndFeel, LabelIgnoresItsBorderAndDrawsEmptyTextAsFrameOnly)
{
    CustomLookAndFeel laf;
    juce::Label label ({}, "Hello");
    label.setLookAndFeel (&laf);
    label.setFont (juce::Font (15.0f));
    label.setJustificationType (juce::Justification::centredLeft);
    label.setBorderSize ({ 0, 30, 0, 0 });
    label.setBounds (0, 0, 150, 24);

    for (auto scale : { 1.0f, 0.7f })
    {
        label.setMinimumHorizontalScale (scale);
        const auto column = leftmostLitColumn (kbtest::renderComponent (label));
        EXPECT_GE (column, 0) << scale;
        EXPECT_LT (column, 6) << scale;
    }

    label.setText ({}, juce::dontSendNotification);
    label.setColour (juce::Label::backgroundColourId, Colours::blue);
    label.setColour (juce::Label::outlineColourId, Colours::red);
    const auto image = kbtest::renderComponent (label);
    EXPECT_EQ (image.getPixelAt (0, 0).getARGB(), Colours::red.getARGB());
    EXPECT_EQ (image.getPixelAt (149, 23).getARGB(), Colours::red.getARGB());
    EXPECT_EQ (countPixels (image, [] (Colour c) { return c != Colours::red && c != Colours::blue; }), 0);

    label.setLookAndFeel (nullptr);
}

TEST (CustomLookAndFeel, PopupMenuItemsAreSevenPixelsLower)
{
    CustomLookAndFeel laf;
    const juce::String text ("Options");

    const auto font = laf.getPopupMenuFont();
    EXPECT_FLOAT_EQ (font.getHeight(), 14.0f);
    EXPECT_FALSE (font.isBold());

    int width = 0, height = 0;
    laf.getIdealPopupMenuItemSize (text, false, 0, width, height);
    EXPECT_EQ (height, 11);
    EXPECT_EQ (width, font.getStringWidth (text) + 22);

    laf.getIdealPopupMenuItemSize (text, true, 0, width, height);
    EXPECT_EQ (width, 50);
    EXPECT_EQ (height, 10);

    laf.getIdealPopupMenuItemSize (text, false, 24, width, height);
    EXPECT_EQ (height, 17);
    EXPECT_EQ (width, font.getStringWidth (text) + 34);

    laf.getIdealPopupMenuItemSize (text, true, 24, width, height);
    EXPECT_EQ (height, 12);

    // A small standard height also shrinks the font the width is measured with.
    laf.getIdealPopupMenuItemSize (text, false, 13, width, height);
    EXPECT_EQ (height, 6);
    EXPECT_EQ (width, font.withHeight (10.0f).getStringWidth (text) + 12);
}

namespace
{
/** The first character of each line of a laid-out text. */
juce::String lineStarts (juce::GlyphArrangement glyphs)
{
    juce::String starts;
    float lastBaseline = -1.0e9f;

    for (int i = 0; i < glyphs.getNumGlyphs(); ++i)
    {
        const auto& g = glyphs.getGlyph (i);

        if (g.isWhitespace() || std::abs (g.getBaselineY() - lastBaseline) < 1.0f)
            continue;

        lastBaseline = g.getBaselineY();
        starts += juce::String::charToString (g.getCharacter());
    }

    return starts;
}
} // namespace

TEST (CustomLookAndFeel, WrapKeepsAFrenchMarkWithItsWord)
{
    const juce::Font font ("Verdana", 16.0f, juce::Font::plain);
    const auto nbsp = juce::String::charToString ((juce::juce_wchar) 0xa0);
    int cases = 0;

    // Lengths of filler that put the mark just past the end of the first line, where JUCE's
    // own wrap breaks after the no-break space.
    for (int fill = 1; fill < 60; ++fill)
    {
        const auto text = "Pourquoi " + juce::String::repeatedString ("i", fill) + " pas" + nbsp + "?";
        juce::GlyphArrangement plain;
        plain.addJustifiedText (font, text, 0.0f, 0.0f, 120.0f, juce::Justification::centred);

        if (! lineStarts (plain).containsChar ('?'))
            continue;

        ++cases;
        auto wrapped = CustomLookAndFeel::layOutWrappedText (font, text, 120, 96, juce::Justification::centred);
        EXPECT_FALSE (lineStarts (wrapped).containsChar ('?')) << text;
        EXPECT_EQ (wrapped.getNumGlyphs(), plain.getNumGlyphs()) << "nothing dropped: " << text;
    }

    EXPECT_GT (cases, 0) << "no filler length reproduced the break before the mark";

    // Text of plain words wraps where JUCE's own wrap does.
    const juce::String words ("Write a bridge that modulates up a minor third and never comes back home");
    juce::GlyphArrangement plain;
    plain.addJustifiedText (font, words, 0.0f, 0.0f, 150.0f, juce::Justification::centred);
    EXPECT_EQ (lineStarts (CustomLookAndFeel::layOutWrappedText (font, words, 150, 200, juce::Justification::centred)),
               lineStarts (plain));
}
