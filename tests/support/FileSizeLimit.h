#pragma once

#include <juce_core/juce_core.h>

#include <memory>

namespace kbtest
{
/**
    While it lives, no file the process writes grows past the given size (RLIMIT_FSIZE): a
    write fails there as on a full disk, even for root. Windows has no such limit:
    whyUnavailable() then says so, and a test that needs it is skipped.
*/
class FileSizeLimit
{
public:
    explicit FileSizeLimit (juce::int64 bytes);
    ~FileSizeLimit();

    /** Empty where the limit works; otherwise the reason, for a skipped test's message. */
    static juce::String whyUnavailable();

private:
    struct Saved;
    std::unique_ptr<Saved> saved;

    JUCE_DECLARE_NON_COPYABLE (FileSizeLimit)
};
} // namespace kbtest
