#include "KindlebrookV1Application.h"

#include "mainscreen/MainComponent.h"

KindlebrookV1Application::~KindlebrookV1Application()
{
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

    // A logout ends the program like the close button, without the questions nobody can answer.
    terminationWatcher = std::make_unique<TerminationWatcher> ([this]
    {
        if (mainWindow != nullptr)
            mainWindow->getMainComponent()->prepareForSessionEnd();

        juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
        quit();
    });
}

void KindlebrookV1Application::shutdown()
{
    // The settings are written as the window goes; the watcher stays until then, so that a
    // second signal cannot end the process halfway through that write.
    mainWindow = nullptr;
    terminationWatcher = nullptr;
}

void KindlebrookV1Application::anotherInstanceStarted (const juce::String&)
{
}

void KindlebrookV1Application::systemRequestedQuit()
{
    quit();
}
