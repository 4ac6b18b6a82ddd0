#pragma once

#include <juce_core/juce_core.h>

/**
    Writes the program's text files (sets and settings) in their one form: UTF-16LE with a
    byte-order mark and CR LF line ends, into a temporary file beside the target that then
    replaces it. Unlike File::replaceWithText, a short or failed write is reported and leaves
    the old file as it was.
*/
class CheckedFileWriter
{
public:
    /** True only when every byte reached the file and it replaced the target. */
    static bool writeText (const juce::File& target, const juce::String& text);
};
