#include "SetFileReader.h"

namespace
{
juce::String toString (std::string_view utf8)
{
    if (utf8.empty())
        return {};

    return juce::String (juce::CharPointer_UTF8 (utf8.data()),
                         juce::CharPointer_UTF8 (utf8.data() + utf8.size()));
}

int toInt (std::string_view utf8) noexcept
{
    return AdviceItem::readIntValue (utf8.data(), utf8.data() + utf8.size());
}

/** Red before the first comma, green before the next, then blue; a missing part reads as 0. */
juce::Colour toColour (std::string_view value)
{
    auto takeChannel = [&value]
    {
        const auto comma = value.find (',');
        const auto channel = toInt (value.substr (0, comma));
        value = comma == std::string_view::npos ? std::string_view() : value.substr (comma + 1);
        return (juce::uint8) (channel & 0xff);
    };

    const auto red = takeChannel();
    const auto green = takeChannel();
    const auto blue = takeChannel();
    return juce::Colour (red, green, blue);
}
} // namespace

SetFileReader::SetFileReader (std::string_view utf8Text, bool isLegacy, const TagCatalogue* tagCatalogue) noexcept
    : scanner (utf8Text), legacy (isLegacy), catalogue (tagCatalogue)
{
}

SetFileReader::Header SetFileReader::readHeader()
{
    Header header;

    if (legacy)
    {
        header.name = toString (scanner.nextHeaderValue ("Nom="));
        const auto author = toString (scanner.nextHeaderValue ("Auteur="));
        const auto year = toString (scanner.nextHeaderValue ("Ann\xc3\xa9" "e="));
        header.author = author + " (" + year + ")";
        header.description = toString (scanner.nextHeaderValue ("Description="));
        header.language = toInt (scanner.nextHeaderValue ("Language="));
        header.colour = juce::Colours::orange;
    }
    else
    {
        header.name = toString (scanner.nextHeaderValue ("Name="));
        header.description = toString (scanner.nextHeaderValue ("Description="));
        header.author = toString (scanner.nextHeaderValue ("Author="));
        header.language = toInt (scanner.nextHeaderValue ("Language="));
        header.colour = toColour (scanner.nextHeaderValue ("Colour="));
    }

    header.isComplete = scanner.foundEveryHeaderValue();
    return header;
}

void SetFileReader::readItems (juce::OwnedArray<AdviceItem>& items, juce::OwnedArray<AdviceItem>& spares) const
{
    scanner.forEachRecord (legacy ? "Texte=" : "Item=", [&] (const KeyValueScanner::Record& record)
    {
        auto* item = items.add (spares.isEmpty() ? new AdviceItem() : spares.removeAndReturn (spares.size() - 1));
        item->text = toString (record.text);
        item->tags.clearQuick();
        item->favourite = false;

        if (legacy)
        {
            // The older format's favourite value is not read: such sets come without favourites.
            if (const auto codes = record.valueOf ("Attributs="); ! codes.empty())
                item->setTagsFromCodes (codes.data(), codes.data() + codes.size(), catalogue);
        }
        else
        {
            item->favourite = record.valueOf ("Favorite=") == "true";

            if (const auto tags = record.valueOf ("Tags="); ! tags.empty())
                item->setTagsFromText (tags.data(), tags.data() + tags.size());
        }
    });
}
