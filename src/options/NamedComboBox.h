#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A combo box that a screen reader names by its title (the caption beside it) and whose
    value is the entry shown; juce::ComboBox gives the entry as both.
*/
class NamedComboBox : public juce::ComboBox
{
public:
    NamedComboBox() = default;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NamedComboBox)
};
