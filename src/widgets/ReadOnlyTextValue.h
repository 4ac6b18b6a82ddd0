#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** The value a screen reader reads from a control that shows a text it cannot change there. */
class ReadOnlyTextValue : public juce::AccessibilityTextValueInterface
{
public:
    explicit ReadOnlyTextValue (std::function<juce::String()> textShown) : text (std::move (textShown)) {}

    bool isReadOnly() const override { return true; }
    juce::String getCurrentValueAsString() const override { return text(); }
    void setValueAsString (const juce::String&) override {}

private:
    std::function<juce::String()> text;
};
