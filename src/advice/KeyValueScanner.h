#pragma once

#include <algorithm>
#include <string_view>

/**
    Reads "Key=value;" text on its UTF-8 bytes, always forward. Keys and ";" are ASCII, and
    ASCII bytes never occur inside a multi-byte character, so byte positions give what
    character positions would.

    Header values are taken key after key, each search starting past the previous value's ";",
    so a value that happens to hold a later key (a name such as "Description=x") is not taken
    for it. Records are then walked from there, each visited once.
*/
class KeyValueScanner
{
public:
    static constexpr auto npos = std::string_view::npos;

    explicit KeyValueScanner (std::string_view utf8Text) noexcept  : text (utf8Text) {}

    /** The value of the key's next occurrence, up to its ";". A missing key reads as empty and
        leaves the position where it was; a value without its ";" reads as empty and the next
        search starts at its beginning. */
    std::string_view nextHeaderValue (std::string_view key) noexcept
    {
        const auto keyPosition = text.find (key, position);

        if (keyPosition == npos)
        {
            foundAll = false;
            return {};
        }

        const auto begin = keyPosition + key.size();
        const auto end = text.find (';', begin);

        if (end == npos)
        {
            foundAll = false;
            position = begin;
            return {};
        }

        position = end + 1;
        return text.substr (begin, end - begin);
    }

    /** Whether every header key so far was found with its ";". */
    bool foundEveryHeaderValue() const noexcept { return foundAll; }

    /** One record: its text, and the rest of it up to the next record, where its other keys are. */
    struct Record
    {
        std::string_view text, rest;

        /** The value of a key of the record, up to its ";"; empty when the key or its ";" is missing. */
        std::string_view valueOf (std::string_view key) const noexcept
        {
            const auto keyPosition = rest.find (key);

            if (keyPosition == npos)
                return {};

            const auto begin = keyPosition + key.size();
            const auto end = rest.find (';', begin);
            return end == npos ? std::string_view() : rest.substr (begin, end - begin);
        }
    };

    /** Calls handle (Record) for each record from the position on. A record starts with recordKey,
        its text runs to the next ";" and the record to the next recordKey after that. A text
        without its ";" is a cut-off record and ends the walk. */
    template <typename Handler>
    void forEachRecord (std::string_view recordKey, Handler&& handle) const
    {
        for (auto from = position;;)
        {
            const auto key = text.find (recordKey, from);

            if (key == npos)
                return;

            const auto textBegin = key + recordKey.size();
            const auto textEnd = text.find (';', textBegin);

            if (textEnd == npos)
                return;

            // The text cannot hold ";", so the record's other keys lie after it.
            from = std::min (text.find (recordKey, textEnd + 1), text.size());
            handle (Record { text.substr (textBegin, textEnd - textBegin),
                             text.substr (textEnd + 1, from - (textEnd + 1)) });
        }
    }

private:
    std::string_view text;
    size_t position = 0;
    bool foundAll = true;
};
