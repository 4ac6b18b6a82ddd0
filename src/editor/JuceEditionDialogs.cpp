#include "JuceEditionDialogs.h"

#include <juce_gui_basics/juce_gui_basics.h>

JuceEditionDialogs::JuceEditionDialogs() = default;
JuceEditionDialogs::~JuceEditionDialogs() = default;

void JuceEditionDialogs::askYesNoCancel (const juce::String& title, const juce::String& message, const juce::String& firstButton,
                                         const juce::String& secondButton, const juce::String& thirdButton,
                                         std::function<void (int)> answer)
{
    juce::AlertWindow::showYesNoCancelBox (juce::MessageBoxIconType::NoIcon, title, message, firstButton, secondButton,
                                           thirdButton, nullptr, juce::ModalCallbackFunction::create (std::move (answer)));
}

void JuceEditionDialogs::askOkCancel (const juce::String& title, const juce::String& message, const juce::String& firstButton,
                                      const juce::String& secondButton, std::function<void (bool)> answer)
{
    juce::AlertWindow::showOkCancelBox (juce::MessageBoxIconType::NoIcon, title, message, firstButton, secondButton, nullptr,
                                        juce::ModalCallbackFunction::create ([answer] (int result) { answer (result != 0); }));
}

void JuceEditionDialogs::chooseFileToOpen (const juce::String& title, const juce::File& start, const juce::String& pattern,
                                           std::function<void (const juce::File&)> answer)
{
    launchChooser (title, start, pattern, juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
                   std::move (answer));
}

void JuceEditionDialogs::chooseFileToSave (const juce::String& title, const juce::File& start, const juce::String& pattern,
                                           std::function<void (const juce::File&)> answer)
{
    launchChooser (title, start, pattern,
                   juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                       | juce::FileBrowserComponent::warnAboutOverwriting,
                   std::move (answer));
}

void JuceEditionDialogs::launchChooser (const juce::String& title, const juce::File& start, const juce::String& pattern,
                                        int flags, std::function<void (const juce::File&)> answer)
{
    chooser = std::make_unique<juce::FileChooser> (title, start, pattern, true);
    chooser->launchAsync (flags, [answer] (const juce::FileChooser& finished)
    {
        // Answered from a later message: the answer may start another chooser, which takes the
        // place of the one that is still finishing here.
        juce::MessageManager::callAsync ([answer, result = finished.getResult()] { answer (result); });
    });
}

void JuceEditionDialogs::showProblem (const juce::String& title, const juce::String& message, std::function<void()> dismissed)
{
    juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::WarningIcon, title, message, {}, nullptr,
                                            juce::ModalCallbackFunction::create ([dismissed] (int) { dismissed(); }));
}
