#pragma once

#include "SettingsFile.h"

/**
    The user's settings as this running copy holds them, and their file. They are read once at
    start; each write keeps what another running copy wrote since and this one did not change.
*/
class UserSettings : public SettingsFile
{
public:
    explicit UserSettings (const juce::File& settingsFile);

    /** Reads the file. Without one, the interface and the advice start in the desktop's
        language and the file is written; false then. */
    bool load();
    /** Writes the values (LastItem as set by the caller), merged with the file as it is now;
        false when the file could not be written (the old one is then kept). */
    bool save();

    const juce::File& getFile() const noexcept { return file; }

    /** 0 French or 1 English: the language the desktop shows its texts in. */
    static int desktopLanguage();

private:
    juce::File file;
    // The values as this copy last read or wrote them.
    std::unique_ptr<SettingsFile> stored;
};
