#pragma once

#include <juce_core/juce_core.h>

/**
    Asks the system whether a path names a file whose bytes can be read to their end: a
    regular file, or a link to one. A FIFO, a device or a folder is none. Each platform has
    its own PlainFile<System>.cpp.
*/
class PlainFile
{
public:
    static bool test (const juce::File& file);
};
