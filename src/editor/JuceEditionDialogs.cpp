#include "JuceEditionDialogs.h"

#include <juce_gui_basics/juce_gui_basics.h>

int JuceEditionDialogs::askYesNoCancel (const juce::String& title, const juce::String& message, const juce::String& firstButton,
                                        const juce::String& secondButton, const juce::String& thirdButton)
{
    return juce::AlertWindow::showYesNoCancelBox (juce::MessageBoxIconType::NoIcon, title, message,
                                                  firstButton, secondButton, thirdButton, nullptr, nullptr);
}

bool JuceEditionDialogs::askOkCancel (const juce::String& title, const juce::String& message,
                                      const juce::String& firstButton, const juce::String& secondButton)
{
    return juce::AlertWindow::showOkCancelBox (juce::MessageBoxIconType::NoIcon, title, message,
                                               firstButton, secondButton, nullptr, nullptr);
}

juce::File JuceEditionDialogs::chooseFileToOpen (const juce::String& title, const juce::File& start, const juce::String& pattern)
{
    juce::FileChooser chooser (title, start, pattern, true);
    return chooser.browseForFileToOpen() ? chooser.getResult() : juce::File();
}

juce::File JuceEditionDialogs::chooseFileToSave (const juce::String& title, const juce::File& start, const juce::String& pattern)
{
    juce::FileChooser chooser (title, start, pattern, true);
    return chooser.browseForFileToSave (true) ? chooser.getResult() : juce::File();
}

void JuceEditionDialogs::showProblem (const juce::String& title, const juce::String& message)
{
    juce::AlertWindow::showMessageBox (juce::MessageBoxIconType::WarningIcon, title, message);
}
