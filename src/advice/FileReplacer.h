#pragma once

#include <juce_core/juce_core.h>

/**
    Puts a finished temporary file in the place of its target in one step, so that another
    copy of the program reading the target finds the old file or the new one, never none.
    Each platform has its own FileReplacer<System>.cpp.
*/
class FileReplacer
{
public:
    /** True when the temporary file now stands in its target's place. */
    static bool replace (const juce::TemporaryFile& temp);
};
