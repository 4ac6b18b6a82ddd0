#pragma once

#include <juce_core/juce_core.h>

#include <functional>

/**
    The questions and file dialogs of the set editor. Each call returns at once and gives the
    user's answer later through its function (another implementation, the tests', may answer
    at once); an answer may never come when the program ends first. The panel builds every
    text, so that the tests' implementation can answer without a display.
*/
class EditionDialogs
{
public:
    virtual ~EditionDialogs() = default;

    /** 1 for the first button, 2 for the second, 0 for the third or a closed box. */
    virtual void askYesNoCancel (const juce::String& title, const juce::String& message,
                                 const juce::String& firstButton, const juce::String& secondButton,
                                 const juce::String& thirdButton, std::function<void (int)> answer) = 0;

    /** True only for the first button. */
    virtual void askOkCancel (const juce::String& title, const juce::String& message, const juce::String& firstButton,
                              const juce::String& secondButton, std::function<void (bool)> answer) = 0;

    /** The chosen file, or juce::File() when the dialog was cancelled. */
    virtual void chooseFileToOpen (const juce::String& title, const juce::File& start, const juce::String& pattern,
                                   std::function<void (const juce::File&)> answer) = 0;

    /** The chosen file, or juce::File() when cancelled; an existing file was confirmed for overwriting. */
    virtual void chooseFileToSave (const juce::String& title, const juce::File& start, const juce::String& pattern,
                                   std::function<void (const juce::File&)> answer) = 0;

    virtual void showProblem (const juce::String& title, const juce::String& message, std::function<void()> dismissed) = 0;
};
