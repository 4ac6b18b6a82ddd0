#include "KindlebrookV1Application.h"

#include "mainscreen/MainComponent.h"

KindlebrookV1Application::~KindlebrookV1Application()
{
    repaintFallback = nullptr;
    mainWindow = nullptr;
}

const juce::String KindlebrookV1Application::getApplicationName()
{
    return "Kindlebrook";
}

const juce::String KindlebrookV1Application::getApplicationVersion()
{
    return JUCE_APPLICATION_VERSION_STRING;
}

bool KindlebrookV1Application::moreThanOneInstanceAllowed()
{
    return true;
}

void KindlebrookV1Application::initialise (const juce::String&)
{
    mainWindow = std::make_unique<MainAppWindow>();
    repaintFallback = std::make_unique<RepaintFallback> (*mainWindow);

    terminationWatcher = std::make_unique<TerminationWatcher> ([this] { endSession(); });
}

void KindlebrookV1Application::shutdown()
{
    // The settings are written as the window goes; the watcher stays until then, so that a
    // second signal cannot end the process halfway through that write.
    repaintFallback = nullptr;
    mainWindow = nullptr;
    terminationWatcher = nullptr;
}

void KindlebrookV1Application::anotherInstanceStarted (const juce::String&)
{
}

void KindlebrookV1Application::systemRequestedQuit()
{
    // Windows asks this at logout and shutdown (WM_QUERYENDSESSION); the close button does not.
    endSession();
}

void KindlebrookV1Application::endSession()
{
    // Windows may send the end of a session to each of the program's windows.
    if (sessionEnding)
        return;

    sessionEnding = true;

    // A logout ends the program like the close button, without the questions nobody can answer.
    // The settings are written now as well as when the window goes: Windows may end the
    // process as soon as it has been told that the session ends.
    if (mainWindow != nullptr)
    {
        auto* main = mainWindow->getMainComponent();
        main->prepareForSessionEnd();
        main->saveSettings();
    }

    juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
    quit();
}
