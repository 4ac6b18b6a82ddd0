#include "UserSettings.h"

UserSettings::UserSettings (const juce::File& settingsFile)
    : file (settingsFile)
{
}

int UserSettings::desktopLanguage()
{
    // The variables in the order the C library gives them precedence for messages; the first
    // one set decides, so LANG=C reads as English even on a French system.
    for (auto* name : { "LC_ALL", "LC_MESSAGES", "LANG" })
    {
        const auto value = juce::SystemStats::getEnvironmentVariable (name, {});
        if (value.isNotEmpty())
            return value.startsWithIgnoreCase ("fr") ? 0 : 1;
    }

    return juce::SystemStats::getUserLanguage().startsWithIgnoreCase ("fr") ? 0 : 1;
}

bool UserSettings::load()
{
    if (! readFrom (file))
    {
        // A first reader is shown the advice it can read.
        Language = LanguageSet = desktopLanguage();
        save();
        return false;
    }

    stored = std::make_unique<SettingsFile> (static_cast<const SettingsFile&> (*this));
    // A negative period from a hand-edited file means no automatic advice.
    Timer = juce::jmax (0, Timer);
    return true;
}

bool UserSettings::save()
{
    const SettingsFile& mine = *this;

    if (stored == nullptr)
        stored = std::make_unique<SettingsFile> (mine);

    // Only a whole settings file speaks for another copy; anything else is written over.
    auto onDisk = *stored;
    const auto text = loadText (file);

    if (text.startsWith (header) && text.contains ("\nTimer="))
        onDisk.parse (text);

    if (! merge (*stored, mine, onDisk).writeTo (file))
        return false;

    *stored = mine;
    return true;
}
