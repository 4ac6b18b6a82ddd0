#pragma once

#include "AdviceItem.h"
#include "KeyValueScanner.h"

#include <juce_graphics/juce_graphics.h>

#include <string_view>

class TagCatalogue;

/**
    Reads the text of a set file, in the current format or the older one, into the fields of a
    set. It works on the decoded text alone, so it never touches a file.

    Every search goes forward: each header value is looked for past the previous one, the
    records after the header, and a record that lacks a key or its ";" ends without reading
    any record twice.
*/
class SetFileReader
{
public:
    struct Header
    {
        juce::String name, description, author;
        int language = 0;
        juce::Colour colour;
        /** Whether every key was found with its ";" (when not, more text could change a value). */
        bool isComplete = false;
    };

    /** legacy: the older format, whose keys are French and whose tags are four-letter codes. */
    SetFileReader (std::string_view utf8Text, bool legacy, const TagCatalogue* catalogue) noexcept;

    /** The header's values; the older format has no colour and gives orange. */
    Header readHeader();

    /** Appends an item for each record after the header (call readHeader first), taking the
        item objects from the spares while there are any. */
    void readItems (juce::OwnedArray<AdviceItem>& items, juce::OwnedArray<AdviceItem>& spares) const;

private:
    KeyValueScanner scanner;
    bool legacy;
    const TagCatalogue* catalogue;
};
