#include "AdviceSet.h"

#include "CheckedFileWriter.h"
#include "TagCatalogue.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

const char* const AdviceSet::fileHeader = "KindlebrookV1 - Set file";

namespace
{
constexpr auto npos = std::string_view::npos;

//==============================================================================
/** A file's text as UTF-8 bytes, followed by a null. */
struct FileText
{
    juce::HeapBlock<char> bytes;
    size_t size = 0;
    bool isUtf8Bytes = false;   // the file's own bytes, taken as valid UTF-8

    std::string_view view() const noexcept { return { bytes.get(), size }; }
};

class Utf8Writer
{
public:
    Utf8Writer (FileText& textToFill, size_t maxBytes)
        : text (textToFill)
    {
        text.bytes.malloc (maxBytes + 1);
        dest = text.bytes.get();
    }

    void finish() noexcept
    {
        *dest = 0;
        text.size = (size_t) (dest - text.bytes.get());
    }

    void write (juce::juce_wchar c) noexcept
    {
        if (c < 0x80)
        {
            *dest++ = (char) c;
        }
        else
        {
            juce::CharPointer_UTF8 p (dest);
            p.write (c);
            dest = p.getAddress();
        }
    }

    void writeAscii (char a, char b, char c, char d) noexcept
    {
        dest[0] = a;
        dest[1] = b;
        dest[2] = c;
        dest[3] = d;
        dest += 4;
    }

    void write (const char* source, size_t numBytes) noexcept
    {
        std::memcpy (dest, source, numBytes);
        dest += numBytes;
    }

private:
    FileText& text;
    char* dest = nullptr;
};

/** Decodes the bytes as juce::File::loadFileAsString does: UTF-16 of either byte order after
    its byte-order mark, else UTF-8 when valid (a UTF-8 byte-order mark skipped), else
    Windows-1252, which agrees with Latin-1 on every printable character; the text ends at the
    first null. Unlike JUCE it joins UTF-16 surrogate pairs, so characters past U+FFFF survive. */
FileText decodeText (const juce::uint8* data, size_t numBytes)
{
    FileText result;

    if (numBytes <= 1)
    {
        // A lone byte is taken as a character code, as loadFileAsString does.
        Utf8Writer out (result, 3);

        if (numBytes == 1 && data[0] != 0)
            out.write ((juce::juce_wchar) data[0]);

        out.finish();
        return result;
    }

    const bool littleEndian = data[0] == 0xff && data[1] == 0xfe;
    const bool bigEndian    = data[0] == 0xfe && data[1] == 0xff;

    if (littleEndian || bigEndian)
    {
        const auto numUnits = numBytes / 2 - 1;
        auto* units = data + 2;

        auto unitAt = [units, littleEndian] (size_t i) noexcept
        {
            auto* u = units + 2 * i;
            return littleEndian ? (juce::uint32) (u[0] | (u[1] << 8))
                                : (juce::uint32) ((u[0] << 8) | u[1]);
        };

        Utf8Writer out (result, numUnits * 3);

        for (size_t i = 0; i < numUnits;)
        {
            if (littleEndian)
            {
                // Four units at a time while they are ASCII and not null, as most of a set file is.
                for (; i + 4 <= numUnits; i += 4)
                {
                    const auto four = juce::ByteOrder::littleEndianInt64 (units + 2 * i);
                    const auto hasNull = ((four - 0x0001000100010001ull) & ~four & 0x8000800080008000ull) != 0;

                    if (hasNull || (four & 0xff80ff80ff80ff80ull) != 0)
                        break;

                    out.writeAscii ((char) four, (char) (four >> 16), (char) (four >> 32), (char) (four >> 48));
                }

                if (i == numUnits)
                    break;
            }

            auto c = unitAt (i++);

            if (c == 0)
                break;

            if (c >= 0xd800 && c < 0xdc00 && i < numUnits)
            {
                const auto low = unitAt (i);

                if (low >= 0xdc00 && low < 0xe000)
                {
                    c = 0x10000 + ((c - 0xd800) << 10) + (low - 0xdc00);
                    ++i;
                }
            }

            out.write ((juce::juce_wchar) c);
        }

        out.finish();
        return result;
    }

    auto* start = reinterpret_cast<const char*> (data);

    if (numBytes >= 3 && juce::CharPointer_UTF8::isByteOrderMark (data))
    {
        start += 3;
        numBytes -= 3;
    }

    auto* firstNull = static_cast<const char*> (std::memchr (start, 0, numBytes));
    const auto length = firstNull != nullptr ? (size_t) (firstNull - start) : numBytes;

    if (juce::CharPointer_UTF8::isValidString (start, (int) juce::jmin (length, (size_t) std::numeric_limits<int>::max())))
    {
        Utf8Writer out (result, length);
        out.write (start, length);
        out.finish();
        result.isUtf8Bytes = true;
        return result;
    }

    Utf8Writer out (result, length * 3);

    for (size_t i = 0; i < length; ++i)
        out.write (juce::CharacterFunctions::getUnicodeCharFromWindows1252Codepage ((juce::uint8) start[i]));

    out.finish();
    return result;
}

/** A file's bytes, or the first of them. */
struct FileBytes
{
    juce::HeapBlock<juce::uint8> bytes;
    size_t size = 0;
    bool isWholeFile = true;
};

/** The file's bytes, or only its first maxBytes when maxBytes is not negative; none when it is
    missing or cannot be read. */
FileBytes loadBytes (const juce::File& file, juce::int64 maxBytes = -1)
{
    FileBytes result;

    // No existence test first: it costs two more system calls per file, and a file that is
    // missing does not open, while a folder opens (on some systems) but yields no bytes.
    juce::FileInputStream in (file);

    if (in.openedOk())
    {
        const auto total = in.getTotalLength();
        const auto wanted = maxBytes >= 0 ? juce::jmin (total, maxBytes) : total;

        // Read straight into one block of the file's size: no growing, no second copy.
        result.bytes.malloc ((size_t) juce::jmax ((juce::int64) 1, wanted));

        while ((juce::int64) result.size < wanted)
        {
            const auto chunk = (int) juce::jmin (wanted - (juce::int64) result.size, (juce::int64) (1 << 30));
            const auto n = in.read (result.bytes + result.size, chunk);

            if (n <= 0)
                break;

            result.size += (size_t) n;
        }

        // A read that stopped short has seen all there is to see.
        result.isWholeFile = wanted == total || (juce::int64) result.size < wanted;
    }

    return result;
}

/** The file's text; empty when it is missing or cannot be read. A positive maxBytes reads only the start. */
FileText loadText (const juce::File& file, juce::int64 maxBytes = -1)
{
    const auto raw = loadBytes (file, maxBytes);
    return decodeText (raw.bytes.get(), raw.size);
}

/** The decoded start of a file and how many of its leading bytes the whole file's text is sure to share. */
struct TextStart
{
    FileText text;
    size_t reliableBytes = 0;
    bool isWholeFile = true;
};

/**
    Decodes the first maxBytes of the file so that the result agrees with the whole file's
    decoded text as far as reliableBytes says. What could differ:
    - a character cut at the end (a UTF-16 high surrogate without its partner, an incomplete
      UTF-8 sequence, which would also make the decoder take the bytes as Windows-1252): cut off;
    - a start that is valid UTF-8 while a later byte is not, so that the whole file decodes as
      Windows-1252: the two decodings agree only up to the first byte that is not ASCII.
    Invalid UTF-8 inside the start stays invalid in the whole file, and the other decodings go
    unit by unit, so their starts agree entirely.
*/
TextStart loadTextStart (const juce::File& file, size_t maxBytes)
{
    jassert (maxBytes % 2 == 0 && maxBytes >= 8);   // whole UTF-16 units, more than a byte-order mark and a cut character

    TextStart result;
    const auto raw = loadBytes (file, (juce::int64) maxBytes);
    const auto* data = raw.bytes.get();
    auto size = raw.size;
    result.isWholeFile = raw.isWholeFile;

    if (raw.isWholeFile)
    {
        result.text = decodeText (data, size);
        result.reliableBytes = result.text.size;
        return result;
    }

    const bool littleEndian = data[0] == 0xff && data[1] == 0xfe;
    const bool bigEndian    = data[0] == 0xfe && data[1] == 0xff;

    if (littleEndian || bigEndian)
    {
        const auto lastUnit = littleEndian ? (data[size - 1] << 8) | data[size - 2]
                                           : (data[size - 2] << 8) | data[size - 1];

        if (lastUnit >= 0xd800 && lastUnit < 0xdc00)
            size -= 2;

        result.text = decodeText (data, size);
        result.reliableBytes = result.text.size;
        return result;
    }

    // Drops a trailing lead byte whose continuation bytes lie past the cut (as JUCE's validity
    // test counts them: 0xc0-0xdf one, 0xe0-0xef two, 0xf0-0xf7 three).
    for (size_t back = 1; back <= juce::jmin ((size_t) 3, size); ++back)
    {
        const auto byte = data[size - back];

        if (byte >= 0x80 && byte < 0xc0)
            continue;

        const auto needed = byte >= 0xc0 && byte < 0xe0 ? 1u : byte >= 0xe0 && byte < 0xf0 ? 2u : byte >= 0xf0 && byte < 0xf8 ? 3u : 0u;

        if (back - 1 < needed)
            size -= back;

        break;
    }

    result.text = decodeText (data, size);
    result.reliableBytes = result.text.size;

    // A null ends the text there whatever follows; without one, text decoded as UTF-8 may be
    // decoded otherwise once the rest of the file is seen.
    if (result.text.isUtf8Bytes && std::memchr (data, 0, size) == nullptr)
    {
        const auto* text = reinterpret_cast<const juce::uint8*> (result.text.bytes.get());
        result.reliableBytes = (size_t) (std::find_if (text, text + result.text.size, [] (juce::uint8 b) { return b >= 0x80; }) - text);
    }

    return result;
}

//==============================================================================
juce::String toString (std::string_view utf8)
{
    if (utf8.empty())
        return {};

    return juce::String (juce::CharPointer_UTF8 (utf8.data()),
                         juce::CharPointer_UTF8 (utf8.data() + utf8.size()));
}

int readInt (std::string_view utf8) noexcept
{
    return AdviceItem::readIntValue (utf8.data(), utf8.data() + utf8.size());
}

/** Red before the first comma, green before the next, then blue; a missing part reads as 0. */
juce::Colour readColour (std::string_view value)
{
    auto takeChannel = [&value]
    {
        const auto comma = value.find (',');
        const auto channel = readInt (value.substr (0, comma));
        value = comma == npos ? std::string_view() : value.substr (comma + 1);
        return (juce::uint8) (channel & 0xff);
    };

    const auto red = takeChannel();
    const auto green = takeChannel();
    const auto blue = takeChannel();
    return juce::Colour (red, green, blue);
}

/**
    Searches "Key=value;" text on its UTF-8 bytes. Keys and ";" are ASCII and ASCII bytes never
    occur inside a multi-byte character, so byte positions give what character positions would,
    while each search costs only the stretch it passes over.
*/
class KeyValueText
{
public:
    explicit KeyValueText (std::string_view textToSearch) noexcept  : text (textToSearch) {}

    size_t find (std::string_view what, size_t from, size_t limit = npos) const noexcept
    {
        limit = juce::jmin (limit, text.size());
        return from < limit ? text.substr (0, limit).find (what, from) : npos;
    }

    struct Value
    {
        size_t begin = npos, end = npos;

        bool isComplete() const noexcept { return end != npos; }
    };

    /** The value after the key's first occurrence in [from, limit), up to the next ";" before limit.
        begin is npos when the key is missing; end is npos when the value has no ";". */
    Value findValue (std::string_view key, size_t from, size_t limit = npos) const noexcept
    {
        Value v;
        const auto keyPosition = find (key, from, limit);

        if (keyPosition != npos)
        {
            v.begin = keyPosition + key.size();
            v.end = find (";", v.begin, limit);
        }

        return v;
    }

    std::string_view get (size_t begin, size_t end) const noexcept   { return text.substr (begin, end - begin); }
    std::string_view get (Value v) const noexcept                     { return v.isComplete() ? get (v.begin, v.end) : std::string_view(); }

    /**
        The header's values, key after key. Each search starts past the previous value's ";", so a
        value that happens to hold a later key (a name such as "Description=x") is not taken for it.
        A missing key reads as empty and the next search starts where this one did; a value
        without its ";" reads as empty too.
    */
    class Header
    {
    public:
        explicit Header (const KeyValueText& t) noexcept  : text (t) {}

        std::string_view next (std::string_view key) noexcept
        {
            const auto v = text.findValue (key, position);

            if (v.begin == npos)
            {
                complete = false;
                return {};
            }

            if (! v.isComplete())
            {
                complete = false;
                position = v.begin;
                return {};
            }

            position = v.end + 1;
            return text.get (v);
        }

        size_t getPosition() const noexcept { return position; }
        /** Whether every key so far was found with its ";". */
        bool isComplete() const noexcept { return complete; }

    private:
        const KeyValueText& text;
        size_t position = 0;
        bool complete = true;
    };

    /**
        Calls handle (textBegin, textEnd, recordEnd) for each record from position on: a record
        starts with recordKey, its text runs to the next ";", and the record runs to the next
        recordKey after that text, so other keys are looked for within their own record only.
        A text without its ";" ends the walk: it is a cut-off record. Each record is visited
        once and the position only moves forward.
    */
    template <typename Handler>
    void forEachRecord (std::string_view recordKey, size_t position, Handler&& handle) const
    {
        for (;;)
        {
            const auto key = find (recordKey, position);

            if (key == npos)
                return;

            const auto textBegin = key + recordKey.size();
            const auto textEnd = find (";", textBegin);

            if (textEnd == npos)
                return;

            auto recordEnd = find (recordKey, textEnd + 1);

            if (recordEnd == npos)
                recordEnd = text.size();

            handle (textBegin, textEnd, recordEnd);
            position = recordEnd;
        }
    }

private:
    std::string_view text;
};

//==============================================================================
/** Shortest forms only, up to U+10FFFF; lone surrogates pass (they keep the order too). */
bool isWellFormedUtf8 (const juce::uint8* s, size_t length) noexcept
{
    const auto* end = s + length;

    while (s < end)
    {
        // Plain ASCII eight bytes at a time: most advice is mostly ASCII.
        while (end - s >= 8 && (juce::ByteOrder::littleEndianInt64 (s) & 0x8080808080808080ull) == 0)
            s += 8;

        if (s == end)
            break;

        const auto lead = *s;

        if (lead < 0x80)
        {
            ++s;
            continue;
        }

        int extra = 0;
        juce::uint32 smallest = 0;

        if (lead >= 0xc2 && lead <= 0xdf)       { extra = 1; smallest = 0x80; }
        else if (lead >= 0xe0 && lead <= 0xef)  { extra = 2; smallest = 0x800; }
        else if (lead >= 0xf0 && lead <= 0xf4)  { extra = 3; smallest = 0x10000; }
        else                                    return false;

        if (end - s <= extra)
            return false;

        auto value = (juce::uint32) (lead & (0x3f >> extra));

        for (int k = 1; k <= extra; ++k)
        {
            if ((s[k] & 0xc0) != 0x80)
                return false;

            value = (value << 6) | (s[k] & 0x3f);
        }

        if (value < smallest || value > 0x10ffff)
            return false;

        s += extra + 1;
    }

    return true;
}

/**
    Puts items in the order of juce::String::compare (character codes).

    Well-formed UTF-8 keeps that order byte by byte, so texts are sorted as bytes, eight at a
    time: by their first eight bytes read as one big-endian number, then each run of equal
    numbers by the next eight, and so on. The first levels' numbers are read while the items are
    still visited in memory order, and the sorting moves only small (number, index) pairs, so
    most of the work stays within contiguous arrays instead of following pointers to texts.
    Should any text not be well-formed (hand-made UTF-8 with overlong forms, say), everything
    goes through juce::String::compare instead.
*/
class ItemSorter
{
public:
    explicit ItemSorter (juce::OwnedArray<AdviceItem>& itemsToSort)
        : items (itemsToSort)
    {
        entries.resize ((size_t) items.size());
        auto entry = entries.begin();

        for (auto* item : items)
        {
            entry->text = reinterpret_cast<const juce::uint8*> (item->text.toRawUTF8());
            entry->item = item;

            const auto length = std::strlen (reinterpret_cast<const char*> (entry->text));
            allWellFormed = allWellFormed && isWellFormedUtf8 (entry->text, length);

            for (size_t level = 0; level < numStoredKeys; ++level)
            {
                const auto offset = 8 * level;

                if (offset + 8 <= length)
                    entry->keys[level] = juce::ByteOrder::bigEndianInt64 (entry->text + offset);
                else
                    entry->keys[level] = offset < length ? readKey (entry->text + offset) : 0;
            }

            ++entry;
        }
    }

    void sort()
    {
        if (! allWellFormed)
        {
            std::sort (entries.begin(), entries.end(), [] (const Entry& a, const Entry& b)
            {
                return a.item->text.compare (b.item->text) < 0;
            });
        }
        else if (! std::is_sorted (entries.begin(), entries.end(), isBefore)) // files the program wrote mostly are
        {
            sortBytes();
            return;
        }

        auto** sorted = items.data();

        for (auto& entry : entries)
            *sorted++ = entry.item;
    }

private:
    static constexpr size_t numStoredKeys = 6;

    struct Entry
    {
        juce::uint64 keys[numStoredKeys];
        const juce::uint8* text;
        AdviceItem* item;
    };

    struct Slot
    {
        juce::uint64 key;
        size_t entry;

        bool operator< (const Slot& other) const noexcept { return key < other.key; }
    };

    /** Eight bytes from there on, zero-padded past the end: the padding compares as the null does. */
    static juce::uint64 readKey (const juce::uint8* text) noexcept
    {
        juce::uint64 key = 0;
        int n = 0;

        for (; n < 8 && text[n] != 0; ++n)
            key = (key << 8) | text[n];

        return n == 0 ? 0 : key << (8 * (8 - n));
    }

    /** Whether a key's eight bytes are all text, so that more may follow. */
    static bool continuesAfter (juce::uint64 key) noexcept { return (key & 0xff) != 0; }

    static bool isBefore (const Entry& a, const Entry& b) noexcept
    {
        for (size_t level = 0; level < numStoredKeys; ++level)
        {
            if (a.keys[level] != b.keys[level])
                return a.keys[level] < b.keys[level];

            if (! continuesAfter (a.keys[level]))
                return false;
        }

        return std::strcmp (reinterpret_cast<const char*> (a.text + 8 * numStoredKeys),
                            reinterpret_cast<const char*> (b.text + 8 * numStoredKeys)) < 0;
    }

    juce::uint64 keyAt (size_t entryIndex, size_t level) const noexcept
    {
        const auto& entry = entries[entryIndex];
        return level < numStoredKeys ? entry.keys[level] : readKey (entry.text + 8 * level);
    }

    void sortBytes()
    {
        std::vector<Slot> slots (entries.size());

        for (size_t i = 0; i < slots.size(); ++i)
            slots[i] = { entries[i].keys[0], i };

        struct Run { size_t begin, end, level; };
        std::vector<Run> pending { { 0, slots.size(), 0 } };

        // A loop rather than recursion: a file can hold very long equal texts.
        while (! pending.empty())
        {
            const auto run = pending.back();
            pending.pop_back();

            const auto first = slots.begin() + (std::ptrdiff_t) run.begin;
            const auto last = slots.begin() + (std::ptrdiff_t) run.end;

            if (run.level > 0)
                for (auto slot = first; slot != last; ++slot)
                    slot->key = keyAt (slot->entry, run.level);

            std::sort (first, last);

            for (auto start = first; start != last;)
            {
                auto end = start + 1;

                while (end != last && end->key == start->key)
                    ++end;

                if (end - start > 1 && continuesAfter (start->key))
                    pending.push_back ({ (size_t) (start - slots.begin()), (size_t) (end - slots.begin()), run.level + 1 });

                start = end;
            }
        }

        auto** sorted = items.data();

        for (auto& slot : slots)
            *sorted++ = entries[slot.entry].item;
    }

    juce::OwnedArray<AdviceItem>& items;
    std::vector<Entry> entries;
    bool allWellFormed = true;
};

//==============================================================================
/** Measures the file text's UTF-8 size. */
class SizeSink
{
public:
    void add (const char*, size_t numBytes) noexcept    { size += numBytes; }
    void add (const juce::String& text) noexcept         { size += text.getNumBytesAsUTF8(); }

    size_t size = 0;
};

/** Copies the file text as UTF-8 into a buffer measured beforehand. */
class Utf8Sink
{
public:
    explicit Utf8Sink (char* buffer) noexcept  : dest (buffer) {}

    void add (const char* ascii, size_t numBytes) noexcept
    {
        std::memcpy (dest, ascii, numBytes);
        dest += numBytes;
    }

    void add (const juce::String& text) noexcept   { add (text.toRawUTF8(), text.getNumBytesAsUTF8()); }

    char* dest;
};

/**
    Streams the file text in the form File::replaceWithText (text, true, true) writes: FF FE,
    then UTF-16LE with a CR before every LF that does not follow one. JUCE keeps only the low 16
    bits of a character past U+FFFF; here it becomes a surrogate pair, so it survives being saved.
*/
class Utf16Sink
{
public:
    explicit Utf16Sink (juce::OutputStream& destination)
        : out (destination)
    {
        put (0xfeff);
    }

    void add (const char* ascii, size_t numBytes) noexcept
    {
        for (size_t i = 0; i < numBytes; ++i)
            addCharacter ((juce::uint8) ascii[i]);
    }

    void add (const juce::String& text) noexcept
    {
        for (auto* p = text.toRawUTF8(); *p != 0;)
        {
            if ((juce::uint8) *p < 0x80)
            {
                addCharacter ((juce::uint8) *p++);
            }
            else
            {
                juce::CharPointer_UTF8 c (const_cast<char*> (p));
                addCharacter ((juce::uint32) c.getAndAdvance());
                p = c.getAddress();
            }
        }
    }

    /** Writes what is buffered; false if any write failed. */
    bool finish()
    {
        flush();
        return ok;
    }

private:
    void addCharacter (juce::uint32 c) noexcept
    {
        if (c == '\n' && ! lastWasReturn)
            put ('\r');

        lastWasReturn = (c == '\r');

        if (c >= 0x10000 && c <= 0x10ffff)
        {
            c -= 0x10000;
            put (0xd800 + (c >> 10));
            put (0xdc00 + (c & 0x3ff));
        }
        else
        {
            put (c);
        }
    }

    void put (juce::uint32 unit) noexcept
    {
        if (used == bufferSize)
            flush();

        buffer[used++] = (juce::uint8) (unit & 0xff);
        buffer[used++] = (juce::uint8) ((unit >> 8) & 0xff);
    }

    void flush()
    {
        if (used > 0 && ok)
            ok = out.write (buffer.get(), used);

        used = 0;
    }

    static constexpr size_t bufferSize = 1 << 16;

    juce::OutputStream& out;
    juce::HeapBlock<juce::uint8> buffer { bufferSize };
    size_t used = 0;
    bool lastWasReturn = false, ok = true;
};

/** Writes to a temporary file beside the target and moves it over the target, so a failed
    write leaves the old file as it was. Every step is checked. */
template <typename WriteFunction>
bool replaceFileWith (const juce::File& target, WriteFunction&& writeContent)
{
    juce::TemporaryFile temp (target, juce::TemporaryFile::useHiddenFile);

    {
        // Unbuffered: the stream's own flush does not report a short write of its last block,
        // so a cut-off file would pass for written. Each write is checked instead.
        juce::FileOutputStream out (temp.getFile(), 0);

        if (out.failedToOpen() || ! writeContent (out))
            return false;

        out.flush();

        if (out.getStatus().failed())
            return false;
    }

    return temp.overwriteTargetFileWithTemporary();
}

//==============================================================================
/**
    Gives the items of a complete read, reusing the set's old and spare item objects (and their
    tag storage) before creating new ones; those left over are deleted. A set is read again each
    time the advice pool is built; reusing in address order keeps the new items in memory in
    reading order (which the sort that follows depends on) without a round of freeing and
    allocating every object.
*/
class ItemRefill
{
public:
    ItemRefill (juce::OwnedArray<AdviceItem>& itemsToRefill, juce::OwnedArray<AdviceItem>& spares)
        : items (itemsToRefill)
    {
        old.reserve ((size_t) (items.size() + spares.size()));
        old.insert (old.end(), items.begin(), items.end());
        old.insert (old.end(), spares.begin(), spares.end());
        items.clearQuick (false);
        spares.clearQuick (false);
        std::sort (old.begin(), old.end());
    }

    ~ItemRefill()
    {
        for (auto i = next; i < old.size(); ++i)
            delete old[i];
    }

    AdviceItem* addItem()
    {
        if (next == old.size())
            return items.add (new AdviceItem());

        auto* item = old[next++];
        item->text = {};
        item->tags.clearQuick();
        item->favourite = false;
        return items.add (item);
    }

private:
    juce::OwnedArray<AdviceItem>& items;
    std::vector<AdviceItem*> old;
    size_t next = 0;

    JUCE_DECLARE_NON_COPYABLE (ItemRefill)
};

//==============================================================================
/** Holds the header of a set the writer made (UTF-16: about 2,000 characters) unless its texts are very long. */
constexpr size_t headerChunkBytes = 4096;

/**
    Hands readHeader the header of the file's text, loading only the file's start when that is
    enough: each header search takes the first occurrence after the previous value, so once every
    value and its ";" lie within what the start is sure to share with the whole text, the rest of
    the file cannot change them. Otherwise the whole file is loaded and read again: so it is for
    a long header, and for a UTF-8 file with accented header texts (the rest decides whether the
    file is UTF-8 at all).
*/
template <typename ReadHeader>
void readHeaderOfFile (const juce::File& file, ReadHeader&& readHeader)
{
    {
        const auto start = loadTextStart (file, headerChunkBytes);
        const KeyValueText text (start.text.view());
        KeyValueText::Header header (text);
        readHeader (header);

        if (start.isWholeFile || (header.isComplete() && header.getPosition() <= start.reliableBytes))
            return;
    }

    const auto whole = loadText (file);
    const KeyValueText text (whole.view());
    KeyValueText::Header header (text);
    readHeader (header);
}
} // namespace

//==============================================================================
AdviceSet::AdviceSet (const TagCatalogue* tagCatalogue)
    : catalogue (tagCatalogue)
{
}

void AdviceSet::addItem()
{
    items.add (new AdviceItem());
}

void AdviceSet::removeItem (int index)
{
    items.remove (index);
}

juce::String AdviceSet::getItemText (int index) const
{
    if (auto* item = getItem (index))
        return item->text;

    return {};
}

void AdviceSet::setItemText (int index, const juce::String& text)
{
    if (auto* item = getItem (index))
        item->text = text;
}

bool AdviceSet::isItemFavourite (int index) const
{
    auto* item = getItem (index);
    return item != nullptr && item->favourite;
}

void AdviceSet::setItemFavourite (int index, bool shouldBeFavourite)
{
    if (auto* item = getItem (index))
        item->favourite = shouldBeFavourite;
}

bool AdviceSet::itemHasTag (int index, int tagId) const
{
    auto* item = getItem (index);
    return item != nullptr && item->tags.contains (tagId);
}

int AdviceSet::getItemNumTags (int index) const
{
    auto* item = getItem (index);
    return item != nullptr ? item->tags.size() : 0;
}

void AdviceSet::addDefaultTag (int index)
{
    if (auto* item = getItem (index))
        item->addTag (1);
}

juce::String AdviceSet::getItemTagsString (int index) const
{
    if (auto* item = getItem (index))
        return item->getTagsString();

    return {};
}

void AdviceSet::setItemTagsFromString (int index, const juce::String& tagsText)
{
    if (auto* item = getItem (index))
        item->setTagsFromString (tagsText);
}

void AdviceSet::setItemTagsFromCodes (int index, const juce::String& codesText)
{
    if (auto* item = getItem (index))
    {
        auto* begin = codesText.toRawUTF8();
        setTagsFromCodes (*item, begin, begin + codesText.getNumBytesAsUTF8());
    }
}

void AdviceSet::setTagsFromCodes (AdviceItem& item, const char* begin, const char* end) const
{
    item.tags.clearQuick();

    for (auto* p = begin; p < end;)
    {
        auto* comma = static_cast<const char*> (std::memchr (p, ',', (size_t) (end - p)));

        if (comma == nullptr)
            break;

        const auto code = toString (std::string_view (p, (size_t) (comma - p)));
        // The catalogue yields one of its few dozen ids, so this list stays short.
        item.tags.addIfNotAlreadyThere (catalogue != nullptr ? catalogue->getTagIdFromCode (code) : 0);
        p = comma + 1;
    }
}

void AdviceSet::copyItem (int sourceIndex, int targetIndex)
{
    auto* source = getItem (sourceIndex);
    auto* target = getItem (targetIndex);

    if (source == nullptr || target == nullptr)
        return;

    target->text = source->text;
    target->setTagsFromString (source->getTagsString());
}

void AdviceSet::sortItems()
{
    ItemSorter (items).sort();
}

void AdviceSet::keepItemsAsSpares()
{
    for (auto* item : items)
        spareItems.add (item);

    items.clearQuick (false);
}

//==============================================================================
void AdviceSet::readFromFile (int mode)
{
    read (mode, false);
}

void AdviceSet::readLegacyFromFile (int mode)
{
    read (mode, true);
}

void AdviceSet::read (int mode, bool legacy)
{
    readMode = mode;

    // No byte-by-byte letter repair in the older format: the decoding already takes a file that
    // is not valid UTF-8 as Latin-1 (Windows-1252), while a repair pass over UTF-8 text would
    // break every character whose UTF-8 form starts with one of the repaired byte values.
    auto readHeader = [this, legacy] (KeyValueText::Header& header)
    {
        if (legacy)
        {
            name = toString (header.next ("Nom="));
            author = toString (header.next ("Auteur="));
            const auto year = toString (header.next ("Ann\xc3\xa9" "e="));
            author = author + " (" + year + ")";
            description = toString (header.next ("Description="));
            language = readInt (header.next ("Language="));
        }
        else
        {
            name = toString (header.next ("Name="));
            description = toString (header.next ("Description="));
            author = toString (header.next ("Author="));
            language = readInt (header.next ("Language="));
            colour = readColour (header.next ("Colour="));
        }
    };

    // The older format has no colour.
    if (legacy)
        colour = juce::Colours::orange;

    if (mode == 1)
    {
        readHeaderOfFile (file, readHeader);
        keepItemsAsSpares();
        return;
    }

    const auto fileText = loadText (file);
    const KeyValueText text (fileText.view());
    KeyValueText::Header header (text);
    readHeader (header);

    ItemRefill refill (items, spareItems);

    text.forEachRecord (legacy ? "Texte=" : "Item=", header.getPosition(),
                        [&] (size_t textBegin, size_t textEnd, size_t recordEnd)
    {
        auto* item = refill.addItem();
        item->text = toString (text.get (textBegin, textEnd));

        // The text cannot hold ";", so the record's other keys are looked for after it.
        if (legacy)
        {
            // The favourite value of this format is not read: such sets come without favourites.
            const auto codes = text.findValue ("Attributs=", textEnd + 1, recordEnd);

            if (codes.isComplete())
            {
                const auto value = text.get (codes);
                setTagsFromCodes (*item, value.data(), value.data() + value.size());
            }
        }
        else
        {
            const auto favourite = text.findValue ("Favorite=", textEnd + 1, recordEnd);
            item->favourite = text.get (favourite) == "true";

            const auto tags = text.findValue ("Tags=", textEnd + 1, recordEnd);

            if (tags.isComplete())
            {
                const auto value = text.get (tags);
                item->setTagsFromText (value.data(), value.data() + value.size());
            }
        }
    });

    sortItems();
}

//==============================================================================
template <typename Sink>
void AdviceSet::writeText (Sink& sink) const
{
    auto add = [&sink] (const char* ascii) { sink.add (ascii, std::strlen (ascii)); };
    auto addNumber = [&sink] (int number)
    {
        char digits[12];
        auto* end = digits + sizeof (digits);
        auto* p = end;
        auto magnitude = number < 0 ? 0u - (juce::uint32) number : (juce::uint32) number;

        do
        {
            *--p = (char) ('0' + magnitude % 10);
            magnitude /= 10;
        }
        while (magnitude != 0);

        if (number < 0)
            *--p = '-';

        sink.add (p, (size_t) (end - p));
    };

    add (fileHeader);
    add ("\n\nName=");
    sink.add (name);
    add (";\nDescription=");
    sink.add (description);
    add (";\nAuthor=");
    sink.add (author);
    add (";\nLanguage=");
    addNumber (language);
    add (";\nColour=");
    addNumber (colour.getRed());
    add (",");
    addNumber (colour.getGreen());
    add (",");
    addNumber (colour.getBlue());
    add (";\n\n");

    for (auto* item : items)
    {
        add ("Item=");
        sink.add (item->text);
        add (item->favourite ? ";\nFavorite=true;\nTags=" : ";\nFavorite=false;\nTags=");

        for (auto id : item->tags)
        {
            addNumber (id);
            add (",");
        }

        add (";\n\n");
    }
}

juce::String AdviceSet::createFileText() const
{
    SizeSink size;
    writeText (size);

    juce::String text;
    text.preallocateBytes (size.size + 1);
    Utf8Sink sink (text.getCharPointer().getAddress());
    writeText (sink);
    *sink.dest = 0;
    return text;
}

bool CheckedFileWriter::writeText (const juce::File& target, const juce::String& text)
{
    if (target == juce::File() || target.isDirectory())
        return false;

    return replaceFileWith (target, [&text] (juce::OutputStream& out)
    {
        Utf16Sink sink (out);
        sink.add (text);
        return sink.finish();
    });
}

bool AdviceSet::writeToFile() const
{
    // A folder standing where the file should be would otherwise be removed when empty.
    if (file == juce::File() || file.isDirectory())
        return false;

    return replaceFileWith (file, [this] (juce::OutputStream& out)
    {
        Utf16Sink sink (out);
        writeText (sink);
        return sink.finish();
    });
}

int AdviceSet::getSetFileKind (const juce::File& fileToTest)
{
    // existsAsFile is false for a folder too.
    if (fileToTest.getFileExtension().toLowerCase() != ".kbs" || ! fileToTest.existsAsFile())
        return 0;

    // The header is ASCII, so the start of the file decodes to it exactly when the whole would.
    const auto start = loadText (fileToTest, 64);
    return start.view().substr (0, std::strlen (fileHeader)) == fileHeader ? 2 : 1;
}
