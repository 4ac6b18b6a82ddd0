#pragma once

#include <juce_core/juce_core.h>

namespace kbtest
{
/**
    A folder in which writes run out of room as on a full disk. When the tests run as root
    and may mount, it lies on a tmpfs of its own of the given size and leaveFree() fills that
    file system for real. Otherwise (or when a real one is not wanted) it is an ordinary
    temporary folder, and leaveFree() limits the size of every file the process writes
    (RLIMIT_FSIZE), which cuts a write short at the same point.
*/
class SmallFileSystem
{
public:
    SmallFileSystem (int kilobytes, bool mayMount);
    ~SmallFileSystem();

    bool isMounted() const noexcept { return mounted; }
    /** Empty at first; the filler stays outside it. */
    const juce::File& getFolder() const noexcept { return folder; }
    juce::File getChildFile (const juce::String& path) const { return folder.getChildFile (path); }

    /** Leaves about that many bytes free for any one new file; the file system may have
        less free already. Undone by makeRoom() or the destructor. */
    void leaveFree (juce::int64 bytes);
    void makeRoom();

    /** What the test ran on, for its messages. */
    juce::String describe() const;

    /** Empty where a full disk can be made (and a file size limit set); otherwise the reason,
        for a skipped test's message. */
    static juce::String whyUnavailable();

private:
    juce::File root, folder, filler;
    bool mounted = false;
    struct Saved;
    std::unique_ptr<Saved> saved;

    JUCE_DECLARE_NON_COPYABLE (SmallFileSystem)
};
} // namespace kbtest
