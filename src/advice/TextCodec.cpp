#include "TextCodec.h"

#include "PlainFile.h"

#include <cstring>
#include <limits>

namespace
{
bool isHighSurrogate (juce::uint32 unit) noexcept  { return unit >= 0xd800 && unit < 0xdc00; }
bool isLowSurrogate (juce::uint32 unit) noexcept   { return unit >= 0xdc00 && unit < 0xe000; }

/** Fills a block of known greatest size with UTF-8. The block is not shrunk to fit: it lives
    only as long as a read, and a smaller copy would cost more than the room it gives back. */
class Utf8Writer
{
public:
    explicit Utf8Writer (size_t maxBytes)
    {
        text.bytes.malloc (juce::jmax ((size_t) 1, maxBytes));
        dest = text.bytes.get();
    }

    void write (juce::uint32 c) noexcept
    {
        if (c < 0x80)
        {
            *dest++ = (char) c;
        }
        else
        {
            juce::CharPointer_UTF8 p (dest);
            p.write ((juce::juce_wchar) c);
            dest = p.getAddress();
        }
    }

    void writeAscii (juce::uint64 fourUnits) noexcept
    {
        dest[0] = (char) fourUnits;
        dest[1] = (char) (fourUnits >> 16);
        dest[2] = (char) (fourUnits >> 32);
        dest[3] = (char) (fourUnits >> 48);
        dest += 4;
    }

    void write (const char* source, size_t numBytes) noexcept
    {
        std::memcpy (dest, source, numBytes);
        dest += numBytes;
    }

    TextCodec::Text finish() noexcept
    {
        text.size = (size_t) (dest - text.bytes.get());
        return std::move (text);
    }

private:
    TextCodec::Text text;
    char* dest = nullptr;
};

TextCodec::Text decodeUtf16 (const juce::uint8* units, size_t numUnits, bool littleEndian)
{
    auto unitAt = [units, littleEndian] (size_t i) noexcept
    {
        auto* u = units + 2 * i;
        return littleEndian ? (juce::uint32) (u[0] | (u[1] << 8))
                            : (juce::uint32) ((u[0] << 8) | u[1]);
    };

    Utf8Writer text (numUnits * 3);

    for (size_t i = 0; i < numUnits; ++i)
    {
        // Four units at a time while they are ASCII and not null, as most of a set file is:
        // this loop is most of the time a set takes to read.
        for (; littleEndian && i + 4 <= numUnits; i += 4)
        {
            const auto four = juce::ByteOrder::littleEndianInt64 (units + 2 * i);
            const auto hasNull = ((four - 0x0001000100010001ull) & ~four & 0x8000800080008000ull) != 0;

            if (hasNull || (four & 0xff80ff80ff80ff80ull) != 0)
                break;

            text.writeAscii (four);
        }

        if (i == numUnits)
            break;

        auto c = unitAt (i);

        if (c == 0)
            break;

        if (isHighSurrogate (c) && i + 1 < numUnits && isLowSurrogate (unitAt (i + 1)))
            c = 0x10000 + ((c - 0xd800) << 10) + (unitAt (++i) - 0xdc00);

        text.write (c);
    }

    return text.finish();
}
/** Whether the UTF-8 holds a surrogate (ED A0 to ED BF): two such halves would be written as one
    UTF-16 pair and read back as another character. */
bool holdsEncodedSurrogate (const char* text, size_t length) noexcept
{
    for (auto* p = text; (p = static_cast<const char*> (std::memchr (p, 0xed, length - (size_t) (p - text)))) != nullptr; ++p)
        if (p + 1 < text + length && (juce::uint8) p[1] >= 0xa0)
            return true;

    return false;
}

/** UTF-8 that JUCE's check accepts, with every sequence that is not a shortest form of a
    character up to U+10FFFF (an overlong form, an encoded surrogate) made U+FFFD. Kept as they
    are, such bytes would be written back as what they stand for: an overlong null then ends
    the saved file early, and an overlong ";" splits a record. */
TextCodec::Text replaceIllFormedSequences (const char* start, size_t length)
{
    // The shortest sequence is two bytes, and its replacement three.
    Utf8Writer text (length * 2);
    auto* bytes = reinterpret_cast<const juce::uint8*> (start);

    for (size_t i = 0; i < length;)
    {
        size_t sequenceLength = 1;

        // The lead byte's run of ones gives the length, as JUCE counts it (at most five bytes).
        for (juce::uint8 bit = 0x40; (bytes[i] & 0x80) != 0 && (bytes[i] & bit) != 0 && bit >= 8; bit >>= 1)
            ++sequenceLength;

        sequenceLength = juce::jmin (sequenceLength, length - i);

        if (TextCodec::isWellFormedUtf8 (start + i, sequenceLength) && ! holdsEncodedSurrogate (start + i, sequenceLength))
            text.write (start + i, sequenceLength);
        else
            text.write (0xfffd);

        i += sequenceLength;
    }

    return text.finish();
}

/** The file's bytes, or its first maxBytes when maxBytes is not negative; none when it is
    missing or cannot be read. */
juce::MemoryBlock readBytes (const juce::File& file, juce::int64 maxBytes, bool& isWholeFile)
{
    if (! TextCodec::isPlainFile (file))
        return {};

    // Windows refuses to open a file for the moment another program replaces it (another
    // copy saving a set): that moment is waited out, not taken for an empty file.
    auto in = std::make_unique<juce::FileInputStream> (file);

    for (int attempt = 0; ! in->openedOk() && attempt < 20 && file.existsAsFile(); ++attempt)
    {
        juce::Thread::sleep (5);
        in = std::make_unique<juce::FileInputStream> (file);
    }

    if (! in->openedOk())
        return {};

    // Straight into one block of the file's size: no growing, no copy through a small buffer.
    const auto total = in->getTotalLength();
    const auto wanted = (size_t) juce::jmax ((juce::int64) 0, maxBytes >= 0 ? juce::jmin (total, maxBytes) : total);
    juce::MemoryBlock bytes (juce::jmax ((size_t) 1, wanted));
    size_t size = 0;

    while (size < wanted)
    {
        const auto n = in->read (static_cast<char*> (bytes.getData()) + size, (int) juce::jmin (wanted - size, (size_t) 1 << 30));

        if (n <= 0)
            break;

        size += (size_t) n;
    }

    // A read that stopped short has seen all there is to see.
    isWholeFile = (juce::int64) wanted == total || size < wanted;
    bytes.setSize (size);
    return bytes;
}
} // namespace

TextCodec::Text TextCodec::decode (const void* data, size_t numBytes)
{
    auto* bytes = static_cast<const juce::uint8*> (data);

    // A lone byte is taken as a character code, as loadFileAsString does.
    if (numBytes <= 1)
    {
        Utf8Writer text (3);

        if (numBytes == 1 && bytes[0] != 0)
            text.write (bytes[0]);

        return text.finish();
    }

    if (bytes[0] == 0xff && bytes[1] == 0xfe)
        return decodeUtf16 (bytes + 2, numBytes / 2 - 1, true);

    if (bytes[0] == 0xfe && bytes[1] == 0xff)
        return decodeUtf16 (bytes + 2, numBytes / 2 - 1, false);

    auto* start = static_cast<const char*> (data);

    if (numBytes >= 3 && juce::CharPointer_UTF8::isByteOrderMark (bytes))
    {
        start += 3;
        numBytes -= 3;
    }

    auto* firstNull = static_cast<const char*> (std::memchr (start, 0, numBytes));
    const auto length = firstNull != nullptr ? (size_t) (firstNull - start) : numBytes;
    const auto testedLength = (int) juce::jmin (length, (size_t) std::numeric_limits<int>::max());

    // Well-formed UTF-8 is valid to JUCE too: the strict check (eight ASCII bytes at a time)
    // settles most files alone, and JUCE's looser one only tells the rest apart.
    if (TextCodec::isWellFormedUtf8 (start, length) && ! holdsEncodedSurrogate (start, length))
    {
        Utf8Writer text (length);
        text.write (start, length);
        return text.finish();
    }

    if (juce::CharPointer_UTF8::isValidString (start, testedLength))
        return replaceIllFormedSequences (start, length);

    Utf8Writer text (length * 3);

    for (size_t i = 0; i < length; ++i)
        text.write ((juce::uint32) juce::CharacterFunctions::getUnicodeCharFromWindows1252Codepage ((juce::uint8) start[i]));

    return text.finish();
}

bool TextCodec::isPlainFile (const juce::File& file)
{
    return PlainFile::test (file);
}

TextCodec::Text TextCodec::loadFile (const juce::File& file, juce::int64 maxBytes)
{
    bool isWholeFile = true;
    const auto bytes = readBytes (file, maxBytes, isWholeFile);
    return decode (bytes.getData(), bytes.getSize());
}

std::optional<TextCodec::Text> TextCodec::loadFileStart (const juce::File& file, size_t numBytes)
{
    bool isWholeFile = true;
    const auto bytes = readBytes (file, (juce::int64) (numBytes & ~(size_t) 1), isWholeFile);
    auto* data = static_cast<const juce::uint8*> (bytes.getData());

    // UTF-16 decodes unit by unit; any other start can be valid UTF-8 while a later byte is not.
    const bool isUtf16 = bytes.getSize() >= 2 && ((data[0] == 0xff && data[1] == 0xfe) || (data[0] == 0xfe && data[1] == 0xff));

    if (! isWholeFile && ! isUtf16)
        return std::nullopt;

    return decode (data, bytes.getSize());
}

bool TextCodec::isWellFormedUtf8 (const char* text, size_t length) noexcept
{
    auto* s = reinterpret_cast<const juce::uint8*> (text);
    const auto* end = s + length;

    while (s < end)
    {
        // Plain ASCII eight bytes at a time: most advice is mostly ASCII.
        if (end - s >= 8 && (juce::ByteOrder::littleEndianInt64 (s) & 0x8080808080808080ull) == 0)
        {
            s += 8;
            continue;
        }

        const auto lead = *s++;

        if (lead < 0x80)
            continue;

        int extra = 0;
        juce::uint32 smallest = 0;

        if (lead >= 0xc2 && lead <= 0xdf)       { extra = 1; smallest = 0x80; }
        else if (lead >= 0xe0 && lead <= 0xef)  { extra = 2; smallest = 0x800; }
        else if (lead >= 0xf0 && lead <= 0xf4)  { extra = 3; smallest = 0x10000; }
        else                                    return false;

        if (end - s < extra)
            return false;

        auto value = (juce::uint32) (lead & (0x3f >> extra));

        for (; extra > 0; --extra, ++s)
        {
            if ((*s & 0xc0) != 0x80)
                return false;

            value = (value << 6) | (*s & 0x3f);
        }

        if (value < smallest || value > 0x10ffff)
            return false;
    }

    return true;
}

juce::MemoryBlock TextCodec::encodeUtf16 (const juce::String& text)
{
    // Every UTF-8 byte gives at most four bytes: a LF becomes CR LF, and a four-byte character
    // a surrogate pair.
    juce::MemoryBlock block (2 + 4 * text.getNumBytesAsUTF8());
    auto* dest = static_cast<juce::uint8*> (block.getData());

    auto put = [&dest] (juce::uint32 unit) noexcept
    {
        *dest++ = (juce::uint8) (unit & 0xff);
        *dest++ = (juce::uint8) ((unit >> 8) & 0xff);
    };

    put (0xfeff);
    bool lastWasReturn = false;

    for (auto p = text.getCharPointer(); ! p.isEmpty();)
    {
        auto c = (juce::uint32) p.getAndAdvance();

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

    block.setSize ((size_t) (dest - static_cast<juce::uint8*> (block.getData())));
    return block;
}
