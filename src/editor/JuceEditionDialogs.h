#pragma once

#include "EditionDialogs.h"

#include <memory>

namespace juce { class FileChooser; }

/** The set editor's dialogs as the user meets them: alert boxes and the platform's file chooser
    (zenity or kdialog where there is one, else JUCE's own), all without a nested message loop. */
class JuceEditionDialogs : public EditionDialogs
{
public:
    JuceEditionDialogs();
    ~JuceEditionDialogs() override;

    void askYesNoCancel (const juce::String& title, const juce::String& message, const juce::String& firstButton,
                         const juce::String& secondButton, const juce::String& thirdButton,
                         std::function<void (int)> answer) override;
    void askOkCancel (const juce::String& title, const juce::String& message, const juce::String& firstButton,
                      const juce::String& secondButton, std::function<void (bool)> answer) override;
    void chooseFileToOpen (const juce::String& title, const juce::File& start, const juce::String& pattern,
                           std::function<void (const juce::File&)> answer) override;
    void chooseFileToSave (const juce::String& title, const juce::File& start, const juce::String& pattern,
                           std::function<void (const juce::File&)> answer) override;
    void showProblem (const juce::String& title, const juce::String& message, std::function<void()> dismissed) override;

private:
    void launchChooser (const juce::String& title, const juce::File& start, const juce::String& pattern,
                        int flags, std::function<void (const juce::File&)> answer);

    // Deleting it ends its dialog (and kills zenity or kdialog) without an answer.
    std::unique_ptr<juce::FileChooser> chooser;
};
