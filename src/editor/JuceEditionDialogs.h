#pragma once

#include "EditionDialogs.h"

/** The set editor's dialogs as the user meets them: alert boxes and the platform's file chooser. */
class JuceEditionDialogs : public EditionDialogs
{
public:
    int askYesNoCancel (const juce::String& title, const juce::String& message, const juce::String& firstButton,
                        const juce::String& secondButton, const juce::String& thirdButton) override;
    bool askOkCancel (const juce::String& title, const juce::String& message,
                      const juce::String& firstButton, const juce::String& secondButton) override;
    juce::File chooseFileToOpen (const juce::String& title, const juce::File& start, const juce::String& pattern) override;
    juce::File chooseFileToSave (const juce::String& title, const juce::File& start, const juce::String& pattern) override;
    void showProblem (const juce::String& title, const juce::String& message) override;
};
