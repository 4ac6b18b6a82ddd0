#pragma once

#include <juce_core/juce_core.h>

/**
    The settings file "Kindlebrook.ini": its seven values, how they are read from the text
    and how the text is written. Each value stands on its own line as Key=value; and each key
    is looked for only from where the previous key's value begins, so the keys must keep
    their written order.

    A set file name may hold characters the format cannot carry (";" ends a value, and a
    later key followed by "=" would be found inside it), so in the file "%", "=" and ";" of
    that name are written as %25, %3D and %3B, and its CR and LF as %0D and %0A. Names
    without them are written unchanged.
*/
class SettingsFile
{
public:
    // The values, named as their keys, at the values a first start uses.
    int Language = 1;
    int LanguageSet = -1;
    juce::String Sets;
    int Tags = -1;
    int LastItem = -1;
    bool LookForFavorites = false;
    int Timer = 0;

    /** The settings file's text as the program decodes it; empty for anything but a plain file. */
    static juce::String loadText (const juce::File& file);
    /** Reads the values from a file. False, with the values untouched, when it is not a file. */
    bool readFrom (const juce::File& file);

    /** Takes the values from the text of a settings file. Keys absent from it keep their
        values, except LastItem, LookForFavorites and Timer, which fall back to their start values. */
    void parse (const juce::String& text);

    /** The text of the file, one line per value, each line ending in "\n". */
    juce::String toText() const;

    /** Writes the file in the program's checked way; false when the old file was kept. */
    bool writeTo (const juce::File& file) const;

    /** What to write when another running copy may have written the file since this one
        last read or wrote `base`: each value this copy changed since then is its own (`mine`),
        every other one stays as the file holds it now (`theirs`). The advice shown last is
        this copy's only when the filter it was drawn with is written too. */
    static SettingsFile merge (const SettingsFile& base, const SettingsFile& mine, const SettingsFile& theirs);

    /** A set file name as it stands in the file, and back. */
    static juce::String encodeSetFileName (const juce::String& name);
    static juce::String decodeSetFileName (const juce::String& stored);

    /** Decimal like the C atoi, but held within the range of int instead of overflowing. */
    static int parseInteger (const juce::String& text);

    static const char* const header;
};
