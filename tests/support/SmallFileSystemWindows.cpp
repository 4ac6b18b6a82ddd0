#include "SmallFileSystem.h"

#include "FileSizeLimit.h"

namespace kbtest
{
struct SmallFileSystem::Saved {};

// Never filled: the tests that need it are skipped (whyUnavailable).
SmallFileSystem::SmallFileSystem (int, bool)
    : root (juce::File::createTempFile ("kbsmallfs"))
{
    folder = root.getChildFile ("work");
    folder.createDirectory();
}

SmallFileSystem::~SmallFileSystem()
{
    root.deleteRecursively();
}

void SmallFileSystem::leaveFree (juce::int64) {}
void SmallFileSystem::makeRoom() {}

juce::String SmallFileSystem::describe() const
{
    return "an ordinary folder";
}

juce::String SmallFileSystem::whyUnavailable()
{
    return FileSizeLimit::whyUnavailable();
}
} // namespace kbtest
