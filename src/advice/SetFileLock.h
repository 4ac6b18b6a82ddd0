#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>

/**
    Keeps the other running copies of the program from writing the sets of one folder while
    this copy reads a set and writes it back: each copy then builds on what the others wrote
    instead of putting back what it read earlier. Held from construction to destruction;
    a copy that ends while holding it lets it go with the process. SetFileLockPosix.cpp takes
    it with flock, SetFileLockWindows.cpp with LockFileEx.
*/
class SetFileLock
{
public:
    /** Waits at most timeoutMs for the copy that holds the lock of the file's folder. */
    explicit SetFileLock (const juce::File& setFile, int timeoutMs = 5000);
    ~SetFileLock();

    bool isHeld() const noexcept { return held; }

    /** The file whose lock stands for the folder's sets. */
    static juce::File getLockFile (const juce::File& setFile);

private:
    /** The open lock file: a descriptor, or a Windows HANDLE (whose invalid value is -1 too). */
    std::intptr_t handle = -1;
    bool held = false;

    JUCE_DECLARE_NON_COPYABLE (SetFileLock)
};
