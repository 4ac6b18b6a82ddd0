#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    The program's icon: the main screen's coloured ring on black, with a white bar for
    the advice inside it. The window shows it, and the build renders the desktop's PNG
    sizes from it; the hand-written SVG beside the desktop entry has the same geometry.
*/
class AppIcon
{
public:
    /** The icon drawn into a square ARGB image of the given size in pixels. */
    static juce::Image render (int size);

    /** Draws the icon into a square of the given side at the origin. */
    static void draw (juce::Graphics& g, float side);

    static const juce::Colour ringColour;
};
