#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    For a panel that holds the keyboard focus itself while it is shown (so that a screen reader
    reads it whole and its keys work at once) and keeps Tab within its own controls.
*/
class PanelFocus
{
public:
    /** Tab on the panel itself goes to its first control, Shift+Tab to its last; true when the
        key was one of these and the panel had the focus. */
    static bool enterOnTab (juce::Component& panel, const juce::KeyPress& key);

    /** Gives the controls their order for Tab and for a screen reader, as listed. */
    static void setReadingOrder (const juce::Array<juce::Component*>& controls);
};
