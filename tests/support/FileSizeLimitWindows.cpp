#include "FileSizeLimit.h"

namespace kbtest
{
struct FileSizeLimit::Saved {};

FileSizeLimit::FileSizeLimit (juce::int64) {}
FileSizeLimit::~FileSizeLimit() = default;

juce::String FileSizeLimit::whyUnavailable()
{
    return "Windows has no limit on the size of the files a process writes, and a test cannot "
           "make a small volume to fill; the full-disk cases run on Linux";
}
} // namespace kbtest
