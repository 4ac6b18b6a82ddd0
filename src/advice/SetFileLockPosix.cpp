#include "SetFileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

SetFileLock::SetFileLock (const juce::File& setFile, int timeoutMs)
{
    // Every user who may write the folder's sets shares the file, so whoever made it first must
    // not shut the others out: it is made writable by all, and opened for reading only, which
    // is enough for flock (unlike a write lock of fcntl).
    const int descriptor = ::open (getLockFile (setFile).getFullPathName().toRawUTF8(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);

    if (descriptor < 0)
        return;

    handle = descriptor;

    fchmod (descriptor, 0666); // against the umask; refused, harmlessly, on another user's file

    const auto end = juce::Time::getMillisecondCounterHiRes() + timeoutMs;

    for (;;)
    {
        if (flock (descriptor, LOCK_EX | LOCK_NB) == 0)
        {
            held = true;
            return;
        }

        if ((errno != EWOULDBLOCK && errno != EINTR) || juce::Time::getMillisecondCounterHiRes() >= end)
            return;

        juce::Thread::sleep (2);
    }
}

SetFileLock::~SetFileLock()
{
    // Closing lets the lock go.
    if (handle >= 0)
        ::close ((int) handle);
}
