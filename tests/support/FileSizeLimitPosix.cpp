#include "FileSizeLimit.h"

#include <csignal>
#include <sys/resource.h>

namespace kbtest
{
struct FileSizeLimit::Saved
{
    rlimit limit {};
    void (*handler) (int) = SIG_DFL;
};

FileSizeLimit::FileSizeLimit (juce::int64 bytes)
    : saved (std::make_unique<Saved>())
{
    getrlimit (RLIMIT_FSIZE, &saved->limit);
    // The write then fails with EFBIG instead of ending the process.
    saved->handler = std::signal (SIGXFSZ, SIG_IGN);

    rlimit limit = saved->limit;
    limit.rlim_cur = (rlim_t) bytes;
    setrlimit (RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit (RLIMIT_FSIZE, &saved->limit);
    std::signal (SIGXFSZ, saved->handler);
}

juce::String FileSizeLimit::whyUnavailable()
{
    return {};
}
} // namespace kbtest
