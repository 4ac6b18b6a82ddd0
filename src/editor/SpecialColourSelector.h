#pragma once

#include "widgets/AccessiblePart.h"

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A grid of 32 colour squares (8 columns, 4 rows) from which the set colour is chosen.

    A press on a square selects its colour and sends a change message, also when it was
    selected already. Every palette entry is opaque, so a chosen colour survives being
    saved as red, green and blue and is found again by setSelectedColour().

    For a screen reader the grid is a group of radio buttons named by their colours, the
    selected one checked. Tab reaches the selected square; the arrow keys select another,
    and a faint frame shows the square that has the focus.
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

    /** 0 French, any other value English: the language of the colours' names. */
    void setLanguage (int english);
    /** The plain name of a palette entry ("dark blue"), in the language set. */
    juce::String getColourName (int index) const;
    /** The control standing for a square, for a screen reader and the keyboard. */
    AccessiblePart& getSquare (int index) { return *squares[index]; }

    static constexpr int numColumns = 8;
    static constexpr int numRows = 4;

    void mouseDown (const juce::MouseEvent& e) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;
    /** The side of one square slot of the grid for the current size. */
    int getSlotSize() const noexcept;
    /** Selects an entry as a press on its square does. */
    void choose (int index);
    /** Only the selected square is a stop of Tab. */
    void updateFocusStop();
    bool moveByKey (const juce::KeyPress& key);

    juce::Array<juce::Colour> palette;
    int selectedIndex = 0;
    int english = 1;
    juce::OwnedArray<AccessiblePart> squares;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SpecialColourSelector)
};
