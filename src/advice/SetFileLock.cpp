#include "SetFileLock.h"

juce::File SetFileLock::getLockFile (const juce::File& setFile)
{
    // Beside the sets: whoever may write them may make it, and it goes with the folder.
    // Hidden, and no set by its extension. One per folder: writes to different sets are rare
    // enough to wait for each other.
    return setFile.getSiblingFile (".Kindlebrook.lock");
}
