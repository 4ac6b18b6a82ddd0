#include "AdviceSet.h"

#include "CheckedFileWriter.h"
#include "SetFileReader.h"
#include "TextCodec.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <unordered_map>
#include <vector>

const char* const AdviceSet::fileHeader = "KindlebrookV1 - Set file";

namespace
{
/** Holds the header of a set the writer made (UTF-16: about 2,000 characters) unless its texts are very long. */
constexpr size_t headerBytes = 4096;

void setHeader (AdviceSet& set, const SetFileReader::Header& header)
{
    set.setName (header.name);
    set.setDescription (header.description);
    set.setAuthor (header.author);
    set.setLanguage (header.language);
    set.setColour (header.colour);
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
        item->setTagsFromCodes (begin, begin + codesText.getNumBytesAsUTF8(), catalogue);
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

int AdviceSet::findItemLike (const AdviceSet& other, int otherIndex) const
{
    auto* wanted = other.getItem (otherIndex);

    if (wanted == nullptr)
        return -1;

    // Items with the same text are told apart by their rank among them.
    int rank = 0;
    for (int i = 0; i < otherIndex; ++i)
        if (other.items.getUnchecked (i)->text == wanted->text)
            ++rank;

    for (int i = 0; i < items.size(); ++i)
        if (items.getUnchecked (i)->text == wanted->text && rank-- == 0)
            return i;

    return -1;
}

void AdviceSet::takeFavouritesFrom (const AdviceSet& other)
{
    // One pass over each set instead of a search per item: the first index of every text.
    std::unordered_map<juce::String, int> firstOfText;

    for (int i = other.items.size(); --i >= 0;)
        firstOfText[other.items.getUnchecked (i)->text] = i;

    std::unordered_map<juce::String, int> seenOfText;

    for (auto* item : items)
    {
        auto found = firstOfText.find (item->text);
        if (found == firstOfText.end())
            continue;

        // Equal texts stand together once sorted; the rank among them picks the like.
        auto* like = other.items[found->second + seenOfText[item->text]++];

        if (like != nullptr && like->text == item->text)
            item->favourite = like->favourite;
    }
}

void AdviceSet::sortItems()
{
    sortItems (false);
}

void AdviceSet::sortItems (bool textsInShortestForm)
{
    // Side by side, each text's address and its first sixteen bytes as two big-endian numbers
    // (zero-padded, as the null compares): the sort then rarely leaves this array.
    struct Entry
    {
        juce::uint64 keys[2];
        const char* text;
        AdviceItem* item;
    };

    auto keyAt = [] (const char* text, size_t length, size_t offset) noexcept
    {
        if (offset + 8 <= length)
            return juce::ByteOrder::bigEndianInt64 (text + offset);

        juce::uint64 key = 0;

        for (auto i = offset; i < offset + 8; ++i)
            key = (key << 8) | (i < length ? (juce::uint8) text[i] : 0u);

        return key;
    };

    std::vector<Entry> entries;
    entries.reserve ((size_t) items.size());
    bool allWellFormed = true;

    for (auto* item : items)
    {
        auto* text = item->text.toRawUTF8();
        const auto length = std::strlen (text);   // getNumBytesAsUTF8 goes character by character
        entries.push_back ({ { keyAt (text, length, 0), keyAt (text, length, 8) }, text, item });

        if (! textsInShortestForm)
            allWellFormed = allWellFormed && TextCodec::isWellFormedUtf8 (text, length);
    }

    auto sortBy = [&entries] (auto isBefore)
    {
        // Files the program wrote are sorted already: one pass over them instead of a sort.
        if (! std::is_sorted (entries.begin(), entries.end(), isBefore))
            std::sort (entries.begin(), entries.end(), isBefore);
    };

    // juce::String::compare's order of character codes, which well-formed UTF-8 keeps byte by byte.
    if (allWellFormed)
        sortBy ([] (const Entry& a, const Entry& b)
        {
            if (a.keys[0] != b.keys[0])
                return a.keys[0] < b.keys[0];

            return a.keys[1] != b.keys[1] ? a.keys[1] < b.keys[1] : std::strcmp (a.text, b.text) < 0;
        });
    else
        sortBy ([] (const Entry& a, const Entry& b) { return juce::CharPointer_UTF8 (a.text).compare (juce::CharPointer_UTF8 (b.text)) < 0; });

    auto** sorted = items.data();

    for (auto& entry : entries)
        *sorted++ = entry.item;
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

    // The items of an earlier read are kept for the next complete one rather than freed: the
    // library reads every set header-only and then completely at each refresh, and freeing and
    // allocating every item in between took a third of the time.
    while (! items.isEmpty())
        spareItems.add (items.removeAndReturn (items.size() - 1));

    // Taken from the end in address order, they keep the items of a read in memory in file
    // order: walking them is then walking memory forward, not jumping about it. Those of a
    // set read before are in that order already, as they came out of it.
    if (! std::is_sorted (spareItems.begin(), spareItems.end(), std::greater<>()))
        std::sort (spareItems.begin(), spareItems.end(), std::greater<>());

    // The library reads the header of every set at each refresh: the start of a file the program
    // wrote holds it, and each header search goes forward from the previous value, so once every
    // value is found there the rest of the file cannot change one.
    if (mode == 1)
    {
        if (const auto start = TextCodec::loadFileStart (file, headerBytes))
        {
            SetFileReader reader (start->view(), legacy, catalogue);

            if (const auto header = reader.readHeader(); header.isComplete)
            {
                setHeader (*this, header);
                return;
            }
        }
    }

    // No byte-by-byte letter repair in the older format: the decoding already takes a file that
    // is not valid UTF-8 as Latin-1 (Windows-1252), while a repair pass over UTF-8 text would
    // break every character whose UTF-8 form starts with one of the repaired byte values.
    const auto text = TextCodec::loadFile (file);
    SetFileReader reader (text.view(), legacy, catalogue);
    setHeader (*this, reader.readHeader());

    if (mode == 1)
        return;

    reader.readItems (items, spareItems);
    spareItems.clear();
    // The codec writes every character it decodes in its shortest form: no need to check.
    sortItems (true);
}

//==============================================================================
juce::String AdviceSet::createFileText() const
{
    // A stream rather than a String: appending to a String copies it whole each time it grows.
    juce::MemoryOutputStream text;
    text << fileHeader << "\n\n"
         << "Name=" << name << ";\n"
         << "Description=" << description << ";\n"
         << "Author=" << author << ";\n"
         << "Language=" << language << ";\n"
         << "Colour=" << (int) colour.getRed() << "," << (int) colour.getGreen() << "," << (int) colour.getBlue() << ";\n\n";

    for (auto* item : items)
    {
        text << "Item=" << item->text << ";\n"
             << (item->favourite ? "Favorite=true;\n" : "Favorite=false;\n")
             << "Tags=";

        for (auto id : item->tags)
            text << id << ",";

        text << ";\n\n";
    }

    return text.toUTF8();
}

int AdviceSet::readWhicheverKind()
{
    const auto kind = getSetFileKind (file);

    if (kind == 2)
        readFromFile (2);
    else if (kind == 1)
        readLegacyFromFile (2);

    return kind;
}

bool AdviceSet::writeToFile() const
{
    return CheckedFileWriter::writeText (file, createFileText());
}

int AdviceSet::getSetFileKind (const juce::File& fileToTest)
{
    // Not a folder, nor a FIFO or a device, whose reading could block or never end.
    if (fileToTest.getFileExtension().toLowerCase() != ".kbs" || ! TextCodec::isPlainFile (fileToTest))
        return 0;

    // The header is ASCII, so the start of the file decodes to it exactly when the whole would.
    const auto start = TextCodec::loadFile (fileToTest, 64);
    return start.view().substr (0, std::strlen (fileHeader)) == fileHeader ? 2 : 1;
}
