#include "TerminationWatcher.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{
// Written by the signal handler, which may only use async-signal-safe calls.
volatile std::sig_atomic_t writeEnd = -1;

void onSignal (int)
{
    const char byte = 1;

    if (writeEnd >= 0)
        [[maybe_unused]] const auto written = ::write (writeEnd, &byte, 1);
}
} // namespace

TerminationWatcher::TerminationWatcher (std::function<void()> onTermination)
    : callback (std::move (onTermination))
{
    if (::pipe2 (pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;

    writeEnd = pipeEnds[1];

    juce::LinuxEventLoop::registerFdCallback (pipeEnds[0], [this] (int fd)
    {
        char bytes[16];
        while (::read (fd, bytes, sizeof (bytes)) > 0) {}

        if (callback != nullptr)
            callback();
    });

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset (&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction (SIGTERM, &action, nullptr);
    sigaction (SIGHUP, &action, nullptr);
}

TerminationWatcher::~TerminationWatcher()
{
    if (pipeEnds[0] < 0)
        return;

    std::signal (SIGTERM, SIG_DFL);
    std::signal (SIGHUP, SIG_DFL);
    writeEnd = -1;
    juce::LinuxEventLoop::unregisterFdCallback (pipeEnds[0]);
    ::close (pipeEnds[0]);
    ::close (pipeEnds[1]);
}
