#pragma once

#include <juce_events/juce_events.h>

#include <functional>

/**
    Turns SIGTERM and SIGHUP (how a desktop session ends its programs at logout) into a
    call on the message thread, where the program can close as the close button would.
    The signal handler only writes a byte into a pipe that the event loop watches.
*/
class TerminationWatcher
{
public:
    explicit TerminationWatcher (std::function<void()> onTermination);
    ~TerminationWatcher();

private:
    std::function<void()> callback;
    int pipeEnds[2] = { -1, -1 };

    JUCE_DECLARE_NON_COPYABLE (TerminationWatcher)
};
