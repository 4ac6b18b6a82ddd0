#include "ColourFade.h"

juce::Colour ColourFade::colourAt (juce::Colour from, juce::Colour to, int tick)
{
    if (tick <= steadyTicks)
        return from;

    const auto f = (float) (juce::jmin (tick, lastTick) - steadyTicks) / (float) (lastTick - steadyTicks);
    const auto h0 = from.getHue(), s0 = from.getSaturation(), b0 = from.getBrightness();
    const auto h1 = to.getHue(), s1 = to.getSaturation(), b1 = to.getBrightness();

    // The shorter way round the colour circle.
    auto distance = h1 - h0;
    if (distance > 0.5f)
        distance -= 1.0f;
    else if (distance < -0.5f)
        distance += 1.0f;

    auto hue = h0 + distance * f;
    if (hue < 0.0f)
        hue += 1.0f;
    else if (hue > 1.0f)
        hue -= 1.0f;

    return juce::Colour (hue, s0 + (s1 - s0) * f, b0 + (b1 - b0) * f, from.getFloatAlpha());
}

bool ColourFade::startTowards (juce::Colour target)
{
    if (target == to)
        return false;

    from = current;
    to = target;
    ticks = 0;
    return true;
}

void ColourFade::jumpTo (juce::Colour colour)
{
    current = from = to = colour;
    ticks = lastTick;
}

bool ColourFade::tick()
{
    ++ticks;
    if (ticks > steadyTicks)
        current = colourAt (from, to, ticks);
    return ticks < lastTick;
}
