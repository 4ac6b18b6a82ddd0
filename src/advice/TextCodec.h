#pragma once

#include <juce_core/juce_core.h>

#include <optional>
#include <string_view>

/**
    The one encoding the program writes its text files in, and the several it reads them in.

    Reading follows juce::File::loadFileAsString: UTF-16 of either byte order after its
    byte-order mark, else UTF-8 when the bytes are valid UTF-8 (a UTF-8 byte-order mark
    skipped), else Windows-1252, which agrees with Latin-1 on every printable character; the
    text ends at the first null. Unlike JUCE, UTF-16 surrogate pairs are joined on reading and
    made on writing, so characters past U+FFFF survive a save.

    Each file is decoded whole and on its own: one stray byte anywhere decides how that file,
    and only that file, is read.
*/
class TextCodec
{
public:
    /** Decoded text: UTF-8 bytes, with no null at the end. */
    struct Text
    {
        juce::HeapBlock<char> bytes;
        size_t size = 0;

        std::string_view view() const noexcept { return { bytes.get(), size }; }
    };

    /** The text of the bytes. */
    static Text decode (const void* data, size_t numBytes);

    /** As decode, the file's text, or that of its first maxBytes when maxBytes is not negative;
        empty when the file is missing or cannot be read. */
    static Text loadFile (const juce::File& file, juce::int64 maxBytes = -1);

    /** The text of the file's first bytes when it is sure to be the start of the whole file's
        text (the last character apart, which may be cut): the whole text of a short file, the
        start of a UTF-16 one. Nothing for a longer file of another encoding, where a later byte
        can change how all of it decodes. */
    static std::optional<Text> loadFileStart (const juce::File& file, size_t numBytes);

    /** Whether the UTF-8 bytes hold shortest forms only, up to U+10FFFF (lone surrogates pass):
        such text compares byte by byte as juce::String::compare compares its characters. */
    static bool isWellFormedUtf8 (const char* text, size_t numBytes) noexcept;

    /** FF FE, then the text in UTF-16LE with a CR before every LF that does not follow one:
        what File::replaceWithText (text, true, true) writes, surrogate pairs apart. */
    static juce::MemoryBlock encodeUtf16 (const juce::String& text);
};
