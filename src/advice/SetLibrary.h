#pragma once

#include "AdviceSet.h"

/**
    The advice sets of the data folder and the advice pool: the (set, item) pairs
    that pass the user's filter. Pool indexes stay valid until the next reload()
    or buildPool().
*/
class SetLibrary
{
public:
    explicit SetLibrary (const TagCatalogue* catalogue);

    /** Points the library at another folder than the executable's (tests use this);
        the data folder is then looked for as "./data" and "../data" beside it. */
    void setBaseFolder (const juce::File& folderStandingForTheExecutables);

    /** The folder given to setBaseFolder, or else the executable's. */
    juce::File getBaseFolder() const;

    /** Forgets every set and reads the header of each set file of the data folder. */
    void reload();
    /** Reads one set again completely, in whichever format its file has. */
    void reloadSet (int setIndex);
    /** Refills the pool. language -1 for all; setFileName empty for all sets (case-insensitive,
        extension included; it wins over the language); tag -1 for none; favouritesMode 0 all,
        1 favourites, anything else nothing. Sets whose file has gone since reload() give no items. */
    void buildPool (int language, const juce::String& setFileName, int tag, juce::uint8 favouritesMode);

    int getPoolSize() const noexcept { return poolSets.size(); }
    juce::String getPoolText (int poolIndex) const;
    juce::String getPoolSetName (int poolIndex) const;
    juce::String getPoolAuthor (int poolIndex) const;
    /** The set's colour; light grey when the pool is empty. */
    juce::Colour getPoolColour (int poolIndex) const;
    bool isPoolFavourite (int poolIndex) const;
    /** Marks the item in its set file as the file is now (other running copies may have
        written it since it was read) and writes it at once; true when the file was written.
        The set in memory then takes every mark the file holds. False, with nothing changed,
        when the file could not be written or no longer holds the advice. */
    bool setPoolFavourite (int poolIndex, bool shouldBeFavourite);

    int getNumSets() const noexcept { return sets.size(); }
    AdviceSet* getSet (int setIndex) const noexcept { return sets[setIndex]; }
    juce::StringArray getSetNames (int language) const;
    juce::StringArray getSetFileNames (int language) const;

    /** The data folder in use by the last reload (may not exist). */
    juce::File findDataFolder() const;
    /** The folder for the set editor's file dialogs, beside the executable. */
    static juce::File getDataFolder();

private:
    /** "./data" or else "../data" beside the folder, whichever holds a set file; "./data" when neither does. */
    static juce::File dataFolderBeside (const juce::File& folder);
    AdviceSet* getPoolSet (int poolIndex) const;
    int getPoolItem (int poolIndex) const;

    const TagCatalogue* catalogue;
    juce::File baseFolder, dataFolder;
    juce::OwnedArray<AdviceSet> sets;
    juce::Array<int> poolSets, poolItems;

    JUCE_DECLARE_NON_COPYABLE (SetLibrary)
};
