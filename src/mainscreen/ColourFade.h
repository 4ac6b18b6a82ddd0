#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    The ring and the buttons take the colour of a new advice's set late: for two seconds
    nothing changes, then during the third the colour blends over in ten steps, the short
    way round the colour circle. The owner ticks it every tickMilliseconds.
*/
class ColourFade
{
public:
    static constexpr int tickMilliseconds = 100;

    /** The colour shown `tick` ticks into a fade from `from` to `to`; a pure function. */
    static juce::Colour colourAt (juce::Colour from, juce::Colour to, int tick);

    /** Heads for `target` from the colour shown now; false when it is heading there already
        (a fade that goes on needs no new start). */
    bool startTowards (juce::Colour target);
    /** Shows `colour` at once; a fade still running would otherwise carry on from its old colours. */
    void jumpTo (juce::Colour colour);
    /** One tick; false once the fade has arrived and needs no more. */
    bool tick();

    juce::Colour getColour() const noexcept { return current; }

private:
    static constexpr int steadyTicks = 20;
    static constexpr int lastTick = 30;

    juce::Colour current, from, to;
    int ticks = 0;
};
