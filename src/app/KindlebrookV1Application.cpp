#include "KindlebrookV1Application.h"

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
}

void KindlebrookV1Application::shutdown()
{
    mainWindow = nullptr;
}

void KindlebrookV1Application::anotherInstanceStarted (const juce::String&)
{
}

void KindlebrookV1Application::systemRequestedQuit()
{
    quit();
}
