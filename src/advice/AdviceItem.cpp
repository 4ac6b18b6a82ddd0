#include "AdviceItem.h"

#include "TagCatalogue.h"

#include <cstring>
#include <limits>
#include <unordered_set>

juce::String AdviceItem::getTagsString() const
{
    juce::String result;
    result.preallocateBytes ((size_t) tags.size() * 5);

    for (auto id : tags)
        result << id << ',';

    return result;
}

void AdviceItem::setTagsFromString (const juce::String& tagsText)
{
    auto* begin = tagsText.toRawUTF8();
    setTagsFromText (begin, begin + tagsText.getNumBytesAsUTF8());
}

template <typename IdOf>
void AdviceItem::setTagsFromList (const char* begin, const char* end, IdOf&& idOf)
{
    tags.clearQuick();

    // A hand-made file can list thousands of ids; past a few, duplicates are found by hashing
    // so that such a list still reads in linear time.
    constexpr int linearSearchLimit = 32;
    std::unordered_set<int> seen;

    for (auto* p = begin; p < end;)
    {
        auto* comma = static_cast<const char*> (std::memchr (p, ',', (size_t) (end - p)));

        if (comma == nullptr)
            break;

        const auto id = idOf (p, comma);

        if (tags.size() < linearSearchLimit)
        {
            tags.addIfNotAlreadyThere (id);
        }
        else
        {
            if (seen.empty())
                seen.insert (tags.begin(), tags.end());

            if (seen.insert (id).second)
                tags.add (id);
        }

        p = comma + 1;
    }
}

void AdviceItem::setTagsFromText (const char* begin, const char* end)
{
    setTagsFromList (begin, end, [] (const char* entryBegin, const char* entryEnd)
    {
        return readIntValue (entryBegin, entryEnd);
    });
}

void AdviceItem::setTagsFromCodes (const char* begin, const char* end, const TagCatalogue* catalogue)
{
    setTagsFromList (begin, end, [catalogue] (const char* entryBegin, const char* entryEnd)
    {
        // A run of commas, common in hand-made lists, names no tag: no string to build for it.
        if (entryBegin == entryEnd || catalogue == nullptr)
            return 0;

        const auto code = juce::String (juce::CharPointer_UTF8 (entryBegin), juce::CharPointer_UTF8 (entryEnd));
        return catalogue->getTagIdFromCode (code);
    });
}

int AdviceItem::readIntValue (const char* begin, const char* end) noexcept
{
    // juce::String::getIntValue is atoi on the UTF-8 bytes, that is (int) strtol: ASCII white
    // space, an optional sign, digits; the long saturates and is then cut to its low 32 bits.
    // The long of 64-bit Linux on every system, so that a file gives the same tags everywhere.
    auto* p = begin;

    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;

    const bool negative = p < end && *p == '-';

    if (p < end && (*p == '-' || *p == '+'))
        ++p;

    constexpr auto longMax = (juce::uint64) std::numeric_limits<juce::int64>::max();
    const auto limit = negative ? longMax + 1 : longMax;
    juce::uint64 value = 0;

    for (; p < end && *p >= '0' && *p <= '9'; ++p)
    {
        const auto digit = (juce::uint64) (*p - '0');
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }

    const auto asLong = negative ? 0 - value : value;
    return (int) (juce::uint32) (asLong & 0xffffffffu);
}
