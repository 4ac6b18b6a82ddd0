#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/**
    One part of a custom-drawn widget (a colour square, a tag, a tab) standing as a control of
    its own for a screen reader and for the keyboard. It draws nothing and lets the mouse through
    to the widget, which places it over the part it stands for and answers through the callbacks.

    Space and Return press it; other keys go to onKey (arrows moving among the parts), then to
    the parents. It takes the keyboard focus only where the widget lets it (setWantsKeyboardFocus),
    so that a row of parts is one stop of Tab.
*/
class AccessiblePart : public juce::Component
{
public:
    /** A group (role group) is a container for a screen reader: its parts are read within it. */
    explicit AccessiblePart (juce::AccessibilityRole role);

    std::function<juce::String()> getName;
    std::function<juce::String()> getHelp;
    /** Set for a part that is on or off: a toggle or a radio button. */
    std::function<bool()> isChecked;
    std::function<void()> onPress;
    /** A key the part does not take itself; true when used. */
    std::function<bool (const juce::KeyPress&)> onKey;
    /** The focus came or went: the widget shows or hides where it is. */
    std::function<void()> onFocusChange;

    /** As a click on the part: runs onPress and tells a screen reader of the new state. */
    void press();

    bool keyPressed (const juce::KeyPress&) override;
    void focusGained (FocusChangeType) override;
    void focusLost (FocusChangeType) override;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    const juce::AccessibilityRole role;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AccessiblePart)
};
