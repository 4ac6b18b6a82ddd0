#include "FileReplacer.h"

bool FileReplacer::replace (const juce::TemporaryFile& temp)
{
    // A rename, which replaces the target in one step.
    return temp.overwriteTargetFileWithTemporary();
}
