#include "TestSupport.h"
#include "editor/SpecialColourSelector.h"

#include <gtest/gtest.h>

namespace
{
juce::MouseEvent mouseAt (juce::Component& c, int x, int y)
{
    return kbtest::mouseEvent (c, { (float) x, (float) y });
}

struct ChangeCounter : public juce::ChangeListener
{
    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++calls; }
    int calls = 0;
};

// The editor's selector: 300 x 90, slots of 22, the slot grid from (62, 1) to (237, 88).
struct SpecialColourSelectorTest : public ::testing::Test
{
    SpecialColourSelectorTest()
    {
        selector.setSize (300, 90);
        selector.addChangeListener (&counter);
    }

    ~SpecialColourSelectorTest() override { selector.removeChangeListener (&counter); }

    void press (int x, int y) { selector.mouseDown (mouseAt (selector, x, y)); }

    int countChanges()
    {
        kbtest::pumpMessages (20);
        const auto n = counter.calls;
        counter.calls = 0;
        return n;
    }

    SpecialColourSelector selector;
    ChangeCounter counter;
};
} // namespace

TEST_F (SpecialColourSelectorTest, FindsPaletteColoursAndFallsBackToRed)
{
    selector.setSelectedColour (juce::Colour (0xFFFFA500));
    EXPECT_EQ (selector.getSelectedIndex(), 3);
    EXPECT_EQ (selector.getSelectedColour(), juce::Colour (0xFFFFA500));

    // Close to a palette entry is not equal to it.
    selector.setSelectedColour (juce::Colour (0xFFFFA501));
    EXPECT_EQ (selector.getSelectedIndex(), 0);
    EXPECT_EQ (selector.getSelectedColour(), juce::Colour (0xFFFF0000));

    selector.setSelectedColour (juce::Colours::red.withHue (20 * 0.03125f));
    EXPECT_EQ (selector.getSelectedIndex(), 20);
    EXPECT_EQ (countChanges(), 0);
}

TEST_F (SpecialColourSelectorTest, EveryEntryIsOpaqueDistinctAndSurvivesASaveAsRgb)
{
    juce::Array<juce::uint32> seen;

    for (int i = 0; i < 32; ++i)
    {
        press (62 + (i % 8) * 22 + 11, 1 + (i / 8) * 22 + 11);
        ASSERT_EQ (selector.getSelectedIndex(), i);

        const auto colour = selector.getSelectedColour();
        EXPECT_TRUE (colour.isOpaque()) << i;
        EXPECT_FALSE (seen.contains (colour.getARGB())) << i;
        seen.add (colour.getARGB());

        SpecialColourSelector reopened;
        reopened.setSelectedColour (juce::Colour (colour.getRed(), colour.getGreen(), colour.getBlue()));
        EXPECT_EQ (reopened.getSelectedIndex(), i);
    }
}

TEST_F (SpecialColourSelectorTest, PressesSelectBySlotWithinTheGridOnly)
{
    selector.setSelectedColour (juce::Colour (0xFFFFA500));

    for (auto point : { juce::Point<int> (61, 50), { 238, 50 }, { 100, 89 }, { 100, 0 } })
    {
        press (point.x, point.y);
        EXPECT_EQ (selector.getSelectedIndex(), 3) << point.toString();
    }

    EXPECT_EQ (countChanges(), 0);

    press (62, 1);
    EXPECT_EQ (selector.getSelectedIndex(), 0);
    press (237, 88);
    EXPECT_EQ (selector.getSelectedIndex(), 31);

    // The gap around a square belongs to its slot: (83, 22) is the last pixel of slot 0.
    press (83, 22);
    EXPECT_EQ (selector.getSelectedIndex(), 0);
    press (84, 23);
    EXPECT_EQ (selector.getSelectedIndex(), 9);
    EXPECT_GE (countChanges(), 1);

    // Pressing the selected square again still reports.
    press (90, 30);
    EXPECT_EQ (countChanges(), 1);
}

TEST_F (SpecialColourSelectorTest, SquaresAreInsetWithAWhiteFrameOnTheSelectedOne)
{
    selector.setSelectedColour (juce::Colour (0xFFFFA500));
    const auto image = kbtest::renderComponent (selector);
    const auto orange = juce::Colour (0xFFFFA500);
    const auto white = juce::Colour (0xFFFFFFFF);

    // Entry 0 is painted from (65, 4), 16 x 16, with nothing in the 6-pixel gap to entry 1.
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (65, 4), juce::Colour (0xFFFF0000)));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (80, 19), juce::Colour (0xFFFF0000)));
    EXPECT_EQ (image.getPixelAt (64, 4).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (81, 4).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (65, 20).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (86, 4).getAlpha(), 0);

    // Entry 3, selected: its square starts at x 65 + 3 * 22 = 131, framed in white.
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (131, 4), white));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (146, 19), white));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (132, 5), orange));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (139, 12), orange));

    // The last row holds entries 24 to 31.
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (65 + 7 * 22 + 8, 4 + 3 * 22 + 8),
                                       juce::Colours::red.withHue (31 * 0.03125f)));
}

TEST_F (SpecialColourSelectorTest, TallNarrowComponentKeepsTheWholeGridInside)
{
    // With slots of 25 here the grid would be 200 wide in an 80-wide component,
    // hiding most columns; the slot is the largest that fits both ways.
    selector.setSize (80, 100);

    press (0, 30);
    EXPECT_EQ (selector.getSelectedIndex(), 0);
    press (79, 69);
    EXPECT_EQ (selector.getSelectedIndex(), 31);
    press (40, 29);
    EXPECT_EQ (selector.getSelectedIndex(), 31);

    const auto image = kbtest::renderComponent (selector);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (3 + 7 * 10 + 1, 33 + 3 * 10 + 1),
                                       juce::Colours::red.withHue (31 * 0.03125f)));
}

TEST (BundledSets, ColoursAreAllInThePalette)
{
    const auto files = kbtest::getBundledDataFolder().findChildFiles (juce::File::findFiles, false, "*.kbs");
    ASSERT_FALSE (files.isEmpty());

    for (const auto& file : files)
    {
        const auto text = file.loadFileAsString();
        const auto keyStart = text.indexOf ("Colour=");
        ASSERT_GE (keyStart, 0) << file.getFileName();

        const auto value = text.substring (keyStart + 7, text.indexOfChar (keyStart, ';'));
        juce::StringArray channels;
        channels.addTokens (value, ",", "");
        ASSERT_EQ (channels.size(), 3) << file.getFileName() << ": " << value;

        const juce::Colour colour ((juce::uint8) channels[0].getIntValue(), (juce::uint8) channels[1].getIntValue(),
                                   (juce::uint8) channels[2].getIntValue());
        SpecialColourSelector selector;
        selector.setSelectedColour (colour);
        EXPECT_EQ (selector.getSelectedColour(), colour) << file.getFileName() << ": " << value;
    }
}
