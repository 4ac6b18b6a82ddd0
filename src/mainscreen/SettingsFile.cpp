#include "SettingsFile.h"

#include "advice/CheckedFileWriter.h"
#include "advice/TextCodec.h"

#include <limits>

const char* const SettingsFile::header = "Kindlebrook V1 - Init Data File";

namespace
{
/** Finds "key=" at or after position; on success gives the value up to the next ";"
    and moves position to the value's start. An absent key leaves both alone. */
bool findSetting (const juce::String& text, const char* key, int& position, juce::String& value)
{
    const auto keyText = juce::String (key) + "=";
    const auto keyStart = text.indexOf (position, keyText);

    if (keyStart < 0)
        return false;

    const auto valueStart = keyStart + keyText.length();
    const auto valueEnd = text.indexOf (valueStart, ";");
    value = valueEnd < 0 ? juce::String() : text.substring (valueStart, valueEnd);
    position = valueStart;
    return true;
}

// The one escape character first, so that the others' escapes are not escaped again. Line
// breaks too: the file's line ends are CR LF, so a lone LF would come back with a CR.
const char* const escapes[][2] = { { "%", "%25" }, { "=", "%3D" }, { ";", "%3B" }, { "\r", "%0D" }, { "\n", "%0A" } };
} // namespace

juce::String SettingsFile::loadText (const juce::File& file)
{
    // The program's own decoding, which joins the UTF-16 surrogate pairs the writer makes: a
    // set file name beyond U+FFFF then reads back as written.
    const auto text = TextCodec::loadFile (file);
    return text.size == 0 ? juce::String()
                          : juce::String (juce::CharPointer_UTF8 (text.bytes.get()), juce::CharPointer_UTF8 (text.bytes.get() + text.size));
}

bool SettingsFile::readFrom (const juce::File& file)
{
    // A FIFO in its place would block the start-up; the codec does not open one either.
    if (! TextCodec::isPlainFile (file))
        return false;

    parse (loadText (file));
    return true;
}

void SettingsFile::parse (const juce::String& text)
{
    int position = 0;
    juce::String value;

    if (findSetting (text, "Language", position, value))
        Language = parseInteger (value);
    if (findSetting (text, "LanguageSet", position, value))
        LanguageSet = parseInteger (value);
    if (findSetting (text, "Sets", position, value))
        Sets = decodeSetFileName (value);
    if (findSetting (text, "Tags", position, value))
        Tags = parseInteger (value);
    LastItem = findSetting (text, "LastItem", position, value) ? parseInteger (value) : -1;
    LookForFavorites = findSetting (text, "LookForFavorites", position, value) && value == "true";
    Timer = findSetting (text, "Timer", position, value) ? parseInteger (value) : 0;
}

juce::String SettingsFile::toText() const
{
    juce::String text;
    text << header << "\n"
         << "Language=" << Language << ";\n"
         << "LanguageSet=" << LanguageSet << ";\n"
         << "Sets=" << encodeSetFileName (Sets) << ";\n"
         << "Tags=" << Tags << ";\n"
         << "LastItem=" << LastItem << ";\n"
         << "LookForFavorites=" << (LookForFavorites ? "true" : "false") << ";\n"
         << "Timer=" << Timer << ";\n";
    return text;
}

bool SettingsFile::writeTo (const juce::File& file) const
{
    return CheckedFileWriter::writeText (file, toText());
}

SettingsFile SettingsFile::merge (const SettingsFile& base, const SettingsFile& mine, const SettingsFile& theirs)
{
    SettingsFile merged;
    auto pick = [&] (auto member) { merged.*member = mine.*member != base.*member ? mine.*member : theirs.*member; };

    pick (&SettingsFile::Language);
    pick (&SettingsFile::LanguageSet);
    pick (&SettingsFile::Sets);
    pick (&SettingsFile::Tags);
    pick (&SettingsFile::LookForFavorites);
    pick (&SettingsFile::Timer);

    // A pool index means nothing under another filter.
    const bool sameFilter = merged.LanguageSet == mine.LanguageSet && merged.Sets == mine.Sets
                         && merged.Tags == mine.Tags && merged.LookForFavorites == mine.LookForFavorites;
    merged.LastItem = sameFilter ? mine.LastItem : theirs.LastItem;
    return merged;
}

juce::String SettingsFile::encodeSetFileName (const juce::String& name)
{
    auto stored = name;
    for (auto& escape : escapes)
        stored = stored.replace (escape[0], escape[1]);
    return stored;
}

juce::String SettingsFile::decodeSetFileName (const juce::String& stored)
{
    // In reverse order: every "%" of the stored text begins one of the escapes.
    auto name = stored;
    for (int i = (int) std::size (escapes); --i >= 0;)
        name = name.replace (escapes[i][1], escapes[i][0]);
    return name;
}

int SettingsFile::parseInteger (const juce::String& text)
{
    auto p = text.getCharPointer();

    while (p.isWhitespace())
        ++p;

    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;

    // One past int's range in magnitude is enough to know the value must be held.
    const juce::int64 limit = (juce::int64) std::numeric_limits<int>::max() + 1;
    juce::int64 value = 0;

    for (; *p >= '0' && *p <= '9'; ++p)
        value = juce::jmin (limit, value * 10 + (*p - '0'));

    if (negative)
        return (int) -value;

    return (int) juce::jmin (value, (juce::int64) std::numeric_limits<int>::max());
}
