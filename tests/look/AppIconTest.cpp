#include "look/AppIcon.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST (AppIcon, RingOnBlackWithTheAdviceBarInside)
{
    const auto icon = AppIcon::render (256);
    ASSERT_EQ (icon.getWidth(), 256);
    ASSERT_EQ (icon.getHeight(), 256);
    kbtest::saveForViewing (icon, "app-icon-256");

    EXPECT_TRUE (kbtest::coloursClose (icon.getPixelAt (128, 68), AppIcon::ringColour));   // top of the ring
    EXPECT_TRUE (kbtest::coloursClose (icon.getPixelAt (36, 128), AppIcon::ringColour));   // its left side
    EXPECT_TRUE (kbtest::coloursClose (icon.getPixelAt (128, 128), juce::Colours::white)); // the advice bar
    EXPECT_TRUE (kbtest::coloursClose (icon.getPixelAt (60, 100), juce::Colours::black));  // inside the ring
    EXPECT_TRUE (kbtest::coloursClose (icon.getPixelAt (128, 20), juce::Colours::black));  // outside it
    EXPECT_EQ (icon.getPixelAt (1, 1).getAlpha(), 0);                                    // rounded corner

    // The smallest size still shows the ring.
    const auto small = AppIcon::render (16);
    int ringPixels = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ringPixels += small.getPixelAt (x, y).getRed() > 128 && small.getPixelAt (x, y).getBlue() < 64 ? 1 : 0;
    EXPECT_GT (ringPixels, 10);
}

TEST (AppIcon, TheDesktopSvgIsTheSameDrawing)
{
    const juce::File svgFile (juce::String (KB_DESKTOP_DIR) + "/org.kindlebrook.Kindlebrook.svg");
    auto svg = juce::Drawable::createFromSVGFile (svgFile);
    ASSERT_NE (svg, nullptr);

    const int size = 64;
    juce::Image fromSvg (juce::Image::ARGB, size, size, true);
    {
        juce::Graphics g (fromSvg);
        svg->drawWithin (g, { 0.0f, 0.0f, (float) size, (float) size }, juce::RectanglePlacement::stretchToFit, 1.0f);
    }
    const auto drawn = AppIcon::render (size);
    kbtest::saveForViewing (fromSvg, "app-icon-svg-64");

    int different = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            different += kbtest::coloursClose (fromSvg.getPixelAt (x, y), drawn.getPixelAt (x, y), 40) ? 0 : 1;

    // Anti-aliased edges may differ a little; a moved ring or another colour differs in hundreds.
    EXPECT_LT (different, size * size / 50);
}
