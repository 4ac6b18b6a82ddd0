#include "SetFileLock.h"

#include <windows.h>

SetFileLock::SetFileLock (const juce::File& setFile, int timeoutMs)
{
    // Every copy opens the file with full sharing: the byte-range lock is what keeps the others
    // waiting. Hidden, as the dot hides it on other systems.
    const auto file = CreateFileW (getLockFile (setFile).getFullPathName().toWideCharPointer(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);

    if (file == INVALID_HANDLE_VALUE)
        return;

    handle = (std::intptr_t) file;
    const auto end = juce::Time::getMillisecondCounterHiRes() + timeoutMs;

    for (;;)
    {
        OVERLAPPED start {};

        if (LockFileEx (file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start))
        {
            held = true;
            return;
        }

        if (GetLastError() != ERROR_LOCK_VIOLATION || juce::Time::getMillisecondCounterHiRes() >= end)
            return;

        juce::Thread::sleep (2);
    }
}

SetFileLock::~SetFileLock()
{
    // Closing lets the lock go.
    if (handle != -1)
        CloseHandle ((HANDLE) handle);
}
