#include "SmallFileSystem.h"

// Never filled: the tests that need it are skipped (whyUnavailable).
namespace kbtest
{
struct SmallFileSystem::Saved {};

SmallFileSystem::SmallFileSystem (int, bool) : root (juce::File::createTempFile ("kbsmallfs")) {}
SmallFileSystem::~SmallFileSystem() = default;
void SmallFileSystem::leaveFree (juce::int64) {}
void SmallFileSystem::makeRoom() {}
juce::String SmallFileSystem::describe() const { return {}; }

juce::String SmallFileSystem::whyUnavailable()
{
    return "Windows has no limit on the size of the files a process writes, and a test cannot "
           "make a small volume to fill: the full-disk cases run on Linux";
}
} // namespace kbtest
