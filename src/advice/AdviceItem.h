#pragma once

#include <juce_core/juce_core.h>

class TagCatalogue;

/** One piece of advice: its text, its tag ids (distinct, in the order added) and the favourite mark. */
class AdviceItem
{
public:
    juce::String text;
    juce::Array<int> tags;
    bool favourite = false;

    /** Adds the tag unless the item holds it already. */
    void addTag (int tagId) { tags.addIfNotAlreadyThere (tagId); }

    /** Each id in decimal followed by a comma ("2,406,"); empty for no tag. */
    juce::String getTagsString() const;

    /** Replaces the tags from their comma-terminated text; text after the last comma is ignored. */
    void setTagsFromString (const juce::String& tagsText);

    /** As setTagsFromString, on the UTF-8 bytes [begin, end), which need not end with a null. */
    void setTagsFromText (const char* begin, const char* end);

    /** Replaces the tags by the ids that the catalogue gives the legacy codes of the
        comma-terminated UTF-8 bytes [begin, end); without a catalogue every code gives 0. */
    void setTagsFromCodes (const char* begin, const char* end, const TagCatalogue* catalogue);

    /** The integer that juce::String::getIntValue reads at the start of the UTF-8 bytes [begin, end):
        white space skipped, an optional sign, decimal digits; 0 when there are none. Never reads
        past end; out-of-range numbers give what getIntValue gives. */
    static int readIntValue (const char* begin, const char* end) noexcept;

private:
    /** Replaces the tags by idOf (entryBegin, entryEnd) of each comma-terminated entry, first occurrences in order. */
    template <typename IdOf>
    void setTagsFromList (const char* begin, const char* end, IdOf&& idOf);
};
