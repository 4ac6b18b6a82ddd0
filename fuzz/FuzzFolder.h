#pragma once

#include <juce_core/juce_core.h>

/**
    A folder of the fuzz target's own, on tmpfs where there is one, into which each input is
    written as a file: the targets read their input through the code the program uses, from
    disk, while the write stays fast enough for millions of runs.
*/
class FuzzFolder
{
public:
    /** The process's folder, made on first use and removed at exit. */
    static FuzzFolder& get();

    ~FuzzFolder();

    const juce::File& getFolder() const noexcept { return folder; }

    /** Writes the bytes to the named file of the folder (sub-folders made as needed) and
        returns it; aborts when the write fails, since nothing the target then reads would mean anything. */
    juce::File write (const juce::String& relativePath, const void* data, size_t size) const;

private:
    FuzzFolder();

    juce::File folder;
    JUCE_DECLARE_NON_COPYABLE (FuzzFolder)
};

/** Stops the run with a message when a property does not hold, so libFuzzer keeps the input. */
#define KB_FUZZ_CHECK(condition) \
    do { if (! (condition)) { fprintf (stderr, "Property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); abort(); } } while (false)
