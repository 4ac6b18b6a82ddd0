#pragma once

#include <juce_events/juce_events.h>

#include <functional>
#include <memory>

/**
    Turns the end of the desktop session into a call on the message thread, where the program
    can close as the close button would, without the questions nobody can answer then.
    Linux (TerminationWatcherLinux.cpp): SIGTERM and SIGHUP, which a session sends its programs
    at logout; the signal handler only writes a byte into a pipe that the event loop watches.
    Windows (TerminationWatcherWindows.cpp): WM_ENDSESSION, which comes after the
    WM_QUERYENDSESSION that JUCE turns into systemRequestedQuit, or alone when the session is
    forced to end.
*/
class TerminationWatcher
{
public:
    explicit TerminationWatcher (std::function<void()> onTermination);
    ~TerminationWatcher();

private:
    struct Native;
    std::unique_ptr<Native> native;

    JUCE_DECLARE_NON_COPYABLE (TerminationWatcher)
};
