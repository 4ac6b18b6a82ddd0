#pragma once

#include <juce_core/juce_core.h>

/**
    The questions and file dialogs of the set editor. Each call is modal and returns the
    user's answer; the panel builds every text, so another implementation (the tests')
    can answer without a display.
*/
class EditionDialogs
{
public:
    virtual ~EditionDialogs() = default;

    /** 1 for the first button, 2 for the second, 0 for the third or a closed box. */
    virtual int askYesNoCancel (const juce::String& title, const juce::String& message,
                                const juce::String& firstButton, const juce::String& secondButton,
                                const juce::String& thirdButton) = 0;

    /** True only for the first button. */
    virtual bool askOkCancel (const juce::String& title, const juce::String& message,
                              const juce::String& firstButton, const juce::String& secondButton) = 0;

    /** The chosen file, or juce::File() when the dialog was cancelled. */
    virtual juce::File chooseFileToOpen (const juce::String& title, const juce::File& start, const juce::String& pattern) = 0;

    /** The chosen file, or juce::File() when cancelled; an existing file was confirmed for overwriting. */
    virtual juce::File chooseFileToSave (const juce::String& title, const juce::File& start, const juce::String& pattern) = 0;

    virtual void showProblem (const juce::String& title, const juce::String& message) = 0;
};
