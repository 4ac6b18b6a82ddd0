#pragma once

#include "AdviceItem.h"

#include <juce_graphics/juce_graphics.h>

class TagCatalogue;

/**
    A named, coloured collection of advice in one language, kept in one .kbs file.

    Index-based accessors given an index outside the item list act on nothing and
    return an empty value.
*/
class AdviceSet
{
public:
    explicit AdviceSet (const TagCatalogue* catalogue);

    const juce::String& getName() const noexcept { return name; }
    void setName (const juce::String& newName) { name = newName; }
    const juce::String& getDescription() const noexcept { return description; }
    void setDescription (const juce::String& newDescription) { description = newDescription; }
    const juce::String& getAuthor() const noexcept { return author; }
    void setAuthor (const juce::String& newAuthor) { author = newAuthor; }
    int getLanguage() const noexcept { return language; }
    void setLanguage (int newLanguage) noexcept { language = newLanguage; }
    juce::Colour getColour() const noexcept { return colour; }
    void setColour (juce::Colour newColour) noexcept { colour = newColour; }
    const juce::File& getFile() const noexcept { return file; }
    void setFile (const juce::File& newFile) { file = newFile; }
    int getReadMode() const noexcept { return readMode; }

    int getNumItems() const noexcept { return items.size(); }
    void addItem();
    void removeItem (int index);

    juce::String getItemText (int index) const;
    void setItemText (int index, const juce::String& text);
    bool isItemFavourite (int index) const;
    void setItemFavourite (int index, bool shouldBeFavourite);
    bool itemHasTag (int index, int tagId) const;
    int getItemNumTags (int index) const;
    /** Adds tag 1 ("Kindlebrook") unless present; every advice the editor creates gets it. */
    void addDefaultTag (int index);
    juce::String getItemTagsString (int index) const;
    void setItemTagsFromString (int index, const juce::String& tagsText);
    /** Maps the legacy codes of a comma-terminated list to tag ids through the catalogue. */
    void setItemTagsFromCodes (int index, const juce::String& codesText);
    /** Copies text and tags (not the favourite mark) from one item to another. */
    void copyItem (int sourceIndex, int targetIndex);
    /** The index of the item that stands for the other set's item: the same text, and as many
        items of that text before it. -1 when this set has no such item. */
    int findItemLike (const AdviceSet& other, int otherIndex) const;
    /** Gives each item the favourite mark of its like in the other set (findItemLike);
        items without one keep theirs. */
    void takeFavouritesFrom (const AdviceSet& other);
    /** Sorts the items by text, comparing character codes. */
    void sortItems();

    /** Reads the set's file in the current format: mode 1 the header only, mode 2 everything.
        A missing or unreadable file reads as an empty text. */
    void readFromFile (int mode);
    /** Reads the set's file in the older format: mode 1 the header only, mode 2 everything.
        A file that is not valid UTF-8 is taken as Latin-1 (Windows-1252). */
    void readLegacyFromFile (int mode);
    /** Writes the whole set to its file (UTF-16LE with BOM, CR LF) through a temporary file that
        then replaces it; true when the file was written. On failure the old file is left as it was. */
    bool writeToFile() const;
    /** The whole text the writer stores, with "\n" line ends. */
    juce::String createFileText() const;

    /** Reads the set's file completely with the reader its kind asks for, and gives that kind
        (as getSetFileKind); 0, with no item read, when it is no set file. */
    int readWhicheverKind();

    /** 0 not a set file, 1 older format, 2 current format. */
    static int getSetFileKind (const juce::File& file);

    /** The first line of every set file in the current format. */
    static const char* const fileHeader;

private:
    AdviceItem* getItem (int index) const noexcept { return items[index]; }
    /** Both readers: the current format, or the older one (legacy). */
    void read (int mode, bool legacy);
    /** sortItems, told whether every text is in UTF-8's shortest form, as the codec's are. */
    void sortItems (bool textsInShortestForm);

    const TagCatalogue* catalogue;
    juce::String name, description, author;
    juce::File file;
    int language = 0;
    juce::Colour colour;
    int readMode = 0;
    juce::OwnedArray<AdviceItem> items;
    // Not items of the set: those of an earlier read, which a complete read reuses.
    juce::OwnedArray<AdviceItem> spareItems;

    JUCE_DECLARE_NON_COPYABLE (AdviceSet)
};
