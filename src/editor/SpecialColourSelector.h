#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A grid of 32 colour squares (8 columns, 4 rows) from which the set colour is chosen.

    A press on a square selects its colour and sends a change message, also when it was
    selected already. Every palette entry is opaque, so a chosen colour survives being
    saved as red, green and blue and is found again by setSelectedColour().
*/
class SpecialColourSelector : public juce::Component,
                              public juce::ChangeBroadcaster
{
public:
    SpecialColourSelector();
    ~SpecialColourSelector() override;

    /** Selects the last palette entry equal to the colour, or entry 0 when none is. */
    void setSelectedColour (juce::Colour colour);
    juce::Colour getSelectedColour() const;

    int getSelectedIndex() const noexcept { return selectedIndex; }

    static constexpr int numColumns = 8;
    static constexpr int numRows = 4;

    void mouseDown (const juce::MouseEvent& e) override;
    void paint (juce::Graphics& g) override;

private:
    /** The side of one square slot of the grid for the current size. */
    int getSlotSize() const noexcept;

    juce::Array<juce::Colour> palette;
    int selectedIndex = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SpecialColourSelector)
};
