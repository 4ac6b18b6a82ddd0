#include "AppIcon.h"

const juce::Colour AppIcon::ringColour (0xffff6a00);

void AppIcon::draw (juce::Graphics& g, float side)
{
    // Drawn on a 256-unit grid, the SVG's view box.
    const auto s = side / 256.0f;

    g.setColour (juce::Colours::black);
    g.fillRoundedRectangle (0.0f, 0.0f, 256.0f * s, 256.0f * s, 48.0f * s);

    g.setColour (ringColour);
    g.drawRoundedRectangle (36.0f * s, 68.0f * s, 184.0f * s, 120.0f * s, 40.0f * s, 20.0f * s);

    g.setColour (juce::Colours::white);
    g.fillRoundedRectangle (84.0f * s, 118.0f * s, 88.0f * s, 20.0f * s, 10.0f * s);
}

juce::Image AppIcon::render (int size)
{
    juce::Image image (juce::Image::ARGB, size, size, true);
    juce::Graphics g (image);
    draw (g, (float) size);
    return image;
}
