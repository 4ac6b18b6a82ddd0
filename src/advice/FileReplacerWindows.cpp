#include "FileReplacer.h"

#include <windows.h>

bool FileReplacer::replace (const juce::TemporaryFile& temp)
{
    // Not ReplaceFile, which JUCE uses: Wine's moves the target away before it moves the new
    // file in, and a reader in between finds no file. A rename over the target is one step.
    // It fails while another program holds the target without sharing its deletion: tried
    // again for a while, as that hold is short.
    const auto from = temp.getFile().getFullPathName();
    const auto to = temp.getTargetFile().getFullPathName();

    for (int attempt = 0; attempt < 50; ++attempt)
    {
        if (MoveFileExW (from.toWideCharPointer(), to.toWideCharPointer(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;

        const auto error = GetLastError();

        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION)
            return false;

        juce::Thread::sleep (10);
    }

    return false;
}
