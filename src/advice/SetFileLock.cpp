#include "SetFileLock.h"

namespace
{
juce::String lockNameFor (const juce::File& setFile)
{
    // One lock per folder: writes to different sets are rare enough to wait for each other.
    const auto folder = setFile.getParentDirectory().getFullPathName();
    return "Kindlebrook-sets-" + juce::String::toHexString (folder.hashCode64());
}
} // namespace

SetFileLock::SetFileLock (const juce::File& setFile, int timeoutMs)
    : lock (lockNameFor (setFile)), held (lock.enter (timeoutMs))
{
}
