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

struct TerminationWatcher::Native
{
    std::function<void()> callback;
    int pipeEnds[2] = { -1, -1 };
};

TerminationWatcher::TerminationWatcher (std::function<void()> onTermination)
    : native (std::make_unique<Native>())
{
    native->callback = std::move (onTermination);

    if (::pipe2 (native->pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;

    writeEnd = native->pipeEnds[1];

    juce::LinuxEventLoop::registerFdCallback (native->pipeEnds[0], [n = native.get()] (int fd)
    {
        char bytes[16];
        while (::read (fd, bytes, sizeof (bytes)) > 0) {}

        if (n->callback != nullptr)
            n->callback();
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
    if (native->pipeEnds[0] < 0)
        return;

    std::signal (SIGTERM, SIG_DFL);
    std::signal (SIGHUP, SIG_DFL);
    writeEnd = -1;
    juce::LinuxEventLoop::unregisterFdCallback (native->pipeEnds[0]);
    ::close (native->pipeEnds[0]);
    ::close (native->pipeEnds[1]);
}
