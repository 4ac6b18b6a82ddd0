#include "TestSupport.h"
#include "widgets/SpecialButton.h"

#include <gtest/gtest.h>

namespace
{
const juce::Colour ringColour (0xff3366cc);

juce::MouseEvent mouseAt (juce::Component& c, float x, float y, int clicks = 1)
{
    return kbtest::mouseEvent (c, { x, y }, {}, clicks);
}

bool isLit (juce::Colour c)
{
    return c.getAlpha() > 60 && c.getBrightness() > 0.3f;
}

bool isWhite (juce::Colour c)
{
    return kbtest::coloursClose (c, juce::Colours::white, 12);
}

/** Lit pixels inside a rectangle of the image. */
int countLit (const juce::Image& image, juce::Rectangle<int> area, std::function<bool (juce::Colour)> test = isLit)
{
    area = area.getIntersection (image.getBounds());
    int count = 0;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (test (image.getPixelAt (x, y)))
                ++count;

    return count;
}

int rightmostLitColumn (const juce::Image& image, juce::Rectangle<int> area)
{
    for (int x = area.getRight() - 1; x >= area.getX(); --x)
        if (countLit (image, { x, area.getY(), 1, area.getHeight() }) > 0)
            return x;

    return -1;
}

/** Checks the ring of thickness 3 on the circle whose square is (x, y, size). */
void expectRingAt (const juce::Image& image, int x, int y, int size, juce::Colour colour, const std::string& context)
{
    SCOPED_TRACE (context);
    const auto cx = x + size / 2;
    const auto cy = y + size / 2;

    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (cx, y), colour)) << "top";
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (cx, y + size - 1), colour)) << "bottom";
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (x, cy), colour)) << "left";
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (x + size - 1, cy), colour)) << "right";

    EXPECT_EQ (image.getPixelAt (cx, cy).getAlpha(), 0) << "centre";
    EXPECT_EQ (image.getPixelAt (cx, y + 3).getAlpha(), 0) << "inside the top of the ring";
    EXPECT_EQ (image.getPixelAt (cx, y - 3).getAlpha(), 0) << "above the ring";
}
} // namespace

//==============================================================================
TEST (SpecialButton, CircleSquareForEveryPositionAndSize)
{
    struct Case { int position; bool small; int width, height; int expectedY; };

    const Case cases[] = {
        { 0, false, 42, 52, 11 },   // the main screen's buttons
        { 1, false, 150, 60, 25 },
        { 2, false, 150, 60, 5 },
        { 3, false, 150, 60, 25 },
        { 4, false, 150, 60, 5 },
        { 9, false, 150, 60, 25 },
        { 0, true, 42, 52, 16 },
        { 1, true, 150, 60, 35 },
        { 4, true, 150, 60, 5 },
    };

    for (const auto& c : cases)
    {
        SpecialButton button;
        button.setButtonColour (ringColour);
        button.setBounds (0, 0, c.width, c.height);

        // The square follows the position and size whichever comes first.
        button.setCaptionPosition (c.position);
        if (c.small)
            button.setSmall();

        const auto size = c.small ? 20 : 30;
        expectRingAt (kbtest::renderComponent (button), 5, c.expectedY, size, ringColour,
                      "position " + std::to_string (c.position) + (c.small ? " small" : ""));

        button.setSize (c.width, c.height + 10);
        const auto movedY = c.position == 0 ? c.expectedY + 5 : (c.expectedY == 5 ? 5 : c.expectedY + 10);
        expectRingAt (kbtest::renderComponent (button), 5, movedY, size, ringColour,
                      "resized, position " + std::to_string (c.position));
    }
}

TEST (SpecialButton, HoverAndPressBrightenTheRing)
{
    SpecialButton button;
    button.setButtonColour (ringColour);
    button.setBounds (0, 0, 42, 52);

    button.setState (juce::Button::buttonOver);
    expectRingAt (kbtest::renderComponent (button), 5, 11, 30, ringColour.brighter (0.25f), "over");

    button.setState (juce::Button::buttonDown);
    expectRingAt (kbtest::renderComponent (button), 5, 11, 30, ringColour.brighter (0.25f).brighter (0.2f), "down");

    // A ring never glows, even pressed.
    EXPECT_EQ (kbtest::renderComponent (button).getPixelAt (2, 26).getAlpha(), 0);
}

TEST (SpecialButton, FilledDiscGlowsWhenPressedOrHighlighted)
{
    SpecialButton button;
    button.setButtonColour (ringColour);
    button.setFilled();
    button.setBounds (0, 0, 42, 52);

    auto image = kbtest::renderComponent (button);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (20, 26), ringColour));
    EXPECT_EQ (image.getPixelAt (3, 26).getAlpha(), 0);

    auto expectGlow = [] (const juce::Image& img)
    {
        // Beige fading towards the button's left edge, outside the disc.
        const auto glow = img.getPixelAt (3, 26);
        EXPECT_GT (glow.getAlpha(), 20);
        EXPECT_TRUE (kbtest::coloursClose (glow.withAlpha (1.0f), juce::Colours::beige, 6));
        EXPECT_LT (img.getPixelAt (0, 26).getAlpha(), glow.getAlpha());
    };

    button.setState (juce::Button::buttonDown);
    image = kbtest::renderComponent (button);
    expectGlow (image);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (20, 26), ringColour.brighter (0.25f).brighter (0.2f)));

    button.setState (juce::Button::buttonNormal);
    button.setHighlightMode (1);
    EXPECT_EQ (button.getHighlightMode(), 1);
    image = kbtest::renderComponent (button);
    expectGlow (image);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (20, 26), ringColour));

    button.setHighlightMode (2);
    image = kbtest::renderComponent (button);
    expectGlow (image);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (20, 26), juce::Colours::white));

    button.setState (juce::Button::buttonDown);
    image = kbtest::renderComponent (button);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (20, 26), juce::Colours::white.darker (0.1f).darker (0.1f)));
}

TEST (SpecialButton, FavoriteStarIsHollowWhenOffAndSolidWhenOn)
{
    SpecialButton button;
    button.setType ("Favorite");
    button.setBounds (0, 0, 42, 52);
    const juce::Rectangle<int> circle (5, 11, 30, 30);

    EXPECT_EQ (button.getOnState(), 0);
    const auto off = kbtest::renderComponent (button);
    EXPECT_EQ (off.getPixelAt (20, 26).getARGB(), 0xff000000u);
    EXPECT_EQ (off.getPixelAt (19, 25).getARGB(), 0xff000000u);

    button.setOnState (1);
    EXPECT_EQ (button.getOnState(), 1);
    const auto on = kbtest::renderComponent (button);
    EXPECT_TRUE (isWhite (on.getPixelAt (20, 26)));
    EXPECT_TRUE (isWhite (on.getPixelAt (19, 25)));

    const auto whiteOff = countLit (off, circle.reduced (4), isWhite);
    const auto whiteOn = countLit (on, circle.reduced (4), isWhite);
    EXPECT_GT (whiteOff, 5);
    EXPECT_GT (whiteOn, whiteOff + 20);
}

TEST (SpecialButton, SymbolsAreWhiteAndUnknownTypesDrawNone)
{
    SpecialButton button;
    button.setBounds (0, 0, 42, 52);

    button.setType ("+");
    auto image = kbtest::renderComponent (button);
    EXPECT_TRUE (isWhite (image.getPixelAt (15, 25)));     // horizontal bar
    EXPECT_TRUE (isWhite (image.getPixelAt (19, 21)));     // vertical bar
    EXPECT_EQ (image.getPixelAt (14, 20).getAlpha(), 0);   // between the bars

    button.setType ("Back");
    image = kbtest::renderComponent (button);
    EXPECT_GT (countLit (image, { 13, 25, 4, 2 }), 0);              // the shaft
    EXPECT_GT (countLit (image, { 22, 21, 5, 10 }, isWhite), 6);   // the head, on the right
    EXPECT_EQ (countLit (image, { 13, 20, 4, 3 }), 0);              // no head on the left

    button.setType ("Menu");
    image = kbtest::renderComponent (button);
    EXPECT_TRUE (isWhite (image.getPixelAt (19, 26)));
    EXPECT_EQ (image.getPixelAt (19, 17).getAlpha(), 0);   // corner of the triangle at 26 - 7.5

    for (auto type : { "New", "Delete", "" })
    {
        button.setType (type);
        image = kbtest::renderComponent (button);
        EXPECT_EQ (countLit (image, { 11, 17, 18, 18 }), 0) << type;
    }
}

TEST (SpecialButton, CaptionShowsOnHoverOrWhenAlwaysShown)
{
    SpecialButton button;
    button.setBounds (0, 0, 150, 40);
    const juce::Rectangle<int> captionArea (40, 0, 110, 40);

    button.setCaption ("Caption");
    EXPECT_EQ (countLit (kbtest::renderComponent (button), captionArea), 0);

    button.setState (juce::Button::buttonOver);
    const auto hovered = kbtest::renderComponent (button);
    EXPECT_GT (countLit (hovered, captionArea), 10);
    EXPECT_GT (countLit (hovered, captionArea, [] (juce::Colour c) { return kbtest::coloursClose (c, juce::Colours::lightgrey, 4); }), 3);

    button.setState (juce::Button::buttonNormal);
    button.setCaptionAlwaysShown (true);
    EXPECT_GT (countLit (kbtest::renderComponent (button), captionArea), 10);

    button.setCaption ({});
    button.setState (juce::Button::buttonOver);
    EXPECT_EQ (countLit (kbtest::renderComponent (button), captionArea), 0);
}

TEST (SpecialButton, CaptionSitsWhereItsPositionSays)
{
    SpecialButton button;
    button.setBounds (0, 0, 150, 60);
    button.setCaption ("Caption");
    button.setCaptionAlwaysShown (true);

    struct Case { int position; juce::Rectangle<int> textArea, emptyArea; };

    const Case cases[] = {
        { 1, { 40, 0, 110, 25 },  { 40, 40, 110, 20 } },   // circle at the bottom, text above on the right
        { 2, { 40, 35, 110, 25 }, { 40, 0, 110, 5 } },     // circle at the top, text below on the right
        { 3, { 22, 0, 128, 25 },  { 40, 40, 110, 20 } },   // text above, from over the circle's centre
        { 4, { 22, 35, 128, 25 }, { 40, 0, 110, 5 } },
        { 9, { 0, 0, 60, 20 },    { 40, 25, 110, 35 } },   // anything else: text at the top-left corner
    };

    for (const auto& c : cases)
    {
        button.setCaptionPosition (c.position);
        const auto image = kbtest::renderComponent (button);
        kbtest::saveForViewing (image, "button_caption_position_" + juce::String (c.position));

        EXPECT_GT (countLit (image, c.textArea), 20) << c.position;
        EXPECT_EQ (countLit (image, c.emptyArea), 0) << c.position;
    }

    // The connector runs from the circle's centre to the start of the underline: with the
    // circle at the top, some of it lies left of the text and below the circle.
    button.setCaptionPosition (2);
    EXPECT_GT (countLit (kbtest::renderComponent (button), { 20, 38, 18, 20 }), 0);
    button.setCaptionPosition (0);
    EXPECT_EQ (countLit (kbtest::renderComponent (button), { 20, 48, 18, 12 }), 0);
}

TEST (SpecialButton, OnStateShowsTheOnCaptionWithAFittingUnderline)
{
    SpecialButton button;
    button.setBounds (0, 0, 300, 60);
    button.setCaptionPosition (2);
    button.setCaptionAlwaysShown (true);
    button.setCaptions ("Switched off, and a long caption", "On");
    const juce::Rectangle<int> belowCircle (0, 36, 300, 24);

    const auto offRight = rightmostLitColumn (kbtest::renderComponent (button), belowCircle);
    button.setOnState (1);
    const auto onRight = rightmostLitColumn (kbtest::renderComponent (button), belowCircle);

    // Neither the short text nor its underline reaches as far as the long caption did.
    EXPECT_GT (onRight, 40);
    EXPECT_LT (onRight, 75);
    EXPECT_GT (offRight, onRight + 60);
}

TEST (SpecialButton, OnlyTheCircleSquareReactsToTheMouse)
{
    SpecialButton button;
    button.setBounds (0, 0, 42, 52);
    button.setVisible (true);
    int clicks = 0;
    button.onClick = [&clicks] { ++clicks; };

    auto click = [&button] (float x, float y)
    {
        button.mouseDown (mouseAt (button, x, y));
        button.mouseUp (mouseAt (button, x, y));
    };

    // Outside the square 5..35 x 11..41: nothing, as the main screen's corner clicks must do.
    click (2.0f, 2.0f);
    click (35.0f, 26.0f);
    click (20.0f, 41.0f);
    EXPECT_EQ (clicks, 0);
    EXPECT_EQ (button.getState(), juce::Button::buttonNormal);

    click (20.0f, 26.0f);
    click (5.0f, 11.0f);
    EXPECT_EQ (clicks, 2);

    // Highlighting follows the square, not the bounds.
    button.mouseEnter (mouseAt (button, 2.0f, 2.0f));
    EXPECT_EQ (button.getState(), juce::Button::buttonNormal);
    button.mouseMove (mouseAt (button, 20.0f, 26.0f));
    EXPECT_EQ (button.getState(), juce::Button::buttonOver);
    button.mouseMove (mouseAt (button, 38.0f, 26.0f));
    EXPECT_EQ (button.getState(), juce::Button::buttonNormal);
    button.mouseEnter (mouseAt (button, 20.0f, 26.0f));
    EXPECT_EQ (button.getState(), juce::Button::buttonOver);

    // Pressed inside, dragged and released outside: released without a click.
    button.mouseDown (mouseAt (button, 20.0f, 26.0f));
    EXPECT_EQ (button.getState(), juce::Button::buttonDown);
    button.mouseDrag (mouseAt (button, 20.0f, 48.0f));
    EXPECT_EQ (button.getState(), juce::Button::buttonNormal);
    button.mouseUp (mouseAt (button, 20.0f, 48.0f));
    EXPECT_EQ (clicks, 2);

    // A double-click outside ends the highlight; inside it changes nothing.
    button.mouseMove (mouseAt (button, 20.0f, 26.0f));
    button.mouseDoubleClick (mouseAt (button, 20.0f, 26.0f, 2));
    EXPECT_EQ (button.getState(), juce::Button::buttonOver);
    button.mouseDoubleClick (mouseAt (button, 40.0f, 50.0f, 2));
    EXPECT_EQ (button.getState(), juce::Button::buttonNormal);
    EXPECT_EQ (clicks, 2);

    // A small circle at the top has its own square: 5..25 x 5..25.
    button.setCaptionPosition (2);
    button.setSmall();
    click (20.0f, 30.0f);
    EXPECT_EQ (clicks, 2);
    click (15.0f, 15.0f);
    EXPECT_EQ (clicks, 3);
}
