#include "PlainFile.h"

#include <windows.h>

bool PlainFile::test (const juce::File& file)
{
    // Opened rather than looked up: a reserved name such as "nul.kbs" or "com1.kbs" passes
    // for a file in a folder listing and yet opens a device. No read access is asked, so a
    // file another program holds open is still seen for what it is.
    const auto handle = CreateFileW (file.getFullPathName().toWideCharPointer(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);

    if (handle == INVALID_HANDLE_VALUE)
        return false;

    BY_HANDLE_FILE_INFORMATION info {};
    const bool plain = GetFileType (handle) == FILE_TYPE_DISK
                    && GetFileInformationByHandle (handle, &info)
                    && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    CloseHandle (handle);
    return plain;
}
