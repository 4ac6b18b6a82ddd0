#pragma once

#include "MainAppWindow.h"
#include "RepaintFallback.h"
#include "TerminationWatcher.h"

/** The application object: creates the main window at start-up and deletes it at shut-down. */
class KindlebrookV1Application : public juce::JUCEApplication
{
public:
    KindlebrookV1Application() = default;
    ~KindlebrookV1Application() override;

    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    /** The session ends (logout, shutdown): what must be kept is written, and the program quits. */
    void systemRequestedQuit() override;

private:
    void endSession();

    bool sessionEnding = false;
    std::unique_ptr<MainAppWindow> mainWindow;
    std::unique_ptr<TerminationWatcher> terminationWatcher;
    std::unique_ptr<RepaintFallback> repaintFallback;
};
