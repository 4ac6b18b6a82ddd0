#include "SetLibrary.h"

#include "SetFileLock.h"

#include <map>

namespace
{
const char* const setFilePattern = "*.kbs";

/** Whether the name is that of the temporary file a write of a set puts beside it before the
    move (".name_temp" and hexadecimal digits): one left by an interrupted write is no set. */
bool isTemporaryFileName (const juce::File& file)
{
    const auto stem = file.getFileNameWithoutExtension();
    const auto mark = stem.lastIndexOf ("_temp");

    if (! stem.startsWithChar ('.') || mark < 0)
        return false;

    const auto digits = stem.substring (mark + 5);
    return digits.isNotEmpty() && digits.containsOnly ("0123456789abcdef");
}

/** The set files of the folder, in listing order, without the temporary files of writes. */
juce::Array<juce::File> listSetFiles (const juce::File& folder)
{
    auto files = folder.findChildFiles (juce::File::findFiles, false, setFilePattern);
    files.removeIf ([] (const juce::File& file) { return isTemporaryFileName (file); });
    return files;
}

bool holdsSetFile (const juce::File& folder)
{
    // Files only: a folder that happens to be named "x.kbs" is no set.
    return folder.isDirectory() && ! listSetFiles (folder).isEmpty();
}

juce::File getExecutablesFolder()
{
    return juce::File::getSpecialLocation (juce::File::currentApplicationFile).getParentDirectory();
}
} // namespace

SetLibrary::SetLibrary (const TagCatalogue* tagCatalogue)
    : catalogue (tagCatalogue)
{
}

void SetLibrary::setBaseFolder (const juce::File& folderStandingForTheExecutables)
{
    baseFolder = folderStandingForTheExecutables;
}

juce::File SetLibrary::getBaseFolder() const
{
    return baseFolder != juce::File() ? baseFolder : getExecutablesFolder();
}

//==============================================================================
juce::File SetLibrary::dataFolderBeside (const juce::File& base)
{
    for (auto* relativePath : { "./data", "../data" })
    {
        auto folder = base.getChildFile (relativePath);

        if (holdsSetFile (folder))
            return folder;
    }

    // Where a first set would go; it holds no set file, so listing it finds nothing.
    return base.getChildFile ("./data");
}

juce::File SetLibrary::findDataFolder() const
{
    return dataFolder != juce::File() ? dataFolder : dataFolderBeside (getBaseFolder());
}

juce::File SetLibrary::getDataFolder()
{
    return dataFolderBeside (getExecutablesFolder());
}

//==============================================================================
void SetLibrary::reload()
{
    // The set of a file listed again is read again in place: a header-only read replaces every
    // header field and hides the items, so the set is as good as new, and it keeps its item
    // objects for the next complete read instead of freeing and allocating them all again.
    juce::OwnedArray<AdviceSet> previous;
    previous.swapWith (sets);
    std::map<juce::String, int> previousIndexes;

    for (int i = 0; i < previous.size(); ++i)
        previousIndexes[previous.getUnchecked (i)->getFile().getFullPathName()] = i;

    dataFolder = dataFolderBeside (getBaseFolder());

    for (auto& file : listSetFiles (dataFolder))
    {
        const auto kind = AdviceSet::getSetFileKind (file);
        const auto found = previousIndexes.find (file.getFullPathName());
        AdviceSet* set = nullptr;

        // No reader runs on a file of kind 0, so only a new set has the empty header it needs.
        if (kind != 0 && found != previousIndexes.end())
        {
            set = previous.getUnchecked (found->second);
            previous.set (found->second, nullptr, false);
            previousIndexes.erase (found);
        }
        else
        {
            set = new AdviceSet (catalogue);
        }

        sets.add (set);
        set->setFile (file);

        if (kind == 1)
            set->readLegacyFromFile (1);
        else if (kind == 2)
            set->readFromFile (1);
    }
}

void SetLibrary::reloadSet (int setIndex)
{
    auto* set = sets[setIndex];

    if (set == nullptr)
        return;

    auto kind = AdviceSet::getSetFileKind (set->getFile());

    if (kind == 1)
    {
        set->readLegacyFromFile (2);
    }
    else if (kind == 2)
    {
        set->readFromFile (2);
    }
    else
    {
        // The file has gone (or turned into a folder) since the scan: keeping the old
        // items would put advice in the pool that no file holds, and a favourite toggle
        // would then write them back.
        while (set->getNumItems() > 0)
            set->removeItem (set->getNumItems() - 1);
    }
}

void SetLibrary::buildPool (int language, const juce::String& setFileName, int tag, juce::uint8 favouritesMode)
{
    poolSets.clearQuick();
    poolItems.clearQuick();

    juce::Array<int> chosen;

    if (setFileName.isEmpty())
    {
        for (int i = 0; i < sets.size(); ++i)
            if (language == -1 || sets.getUnchecked (i)->getLanguage() == language)
                chosen.add (i);
    }
    else
    {
        auto wanted = setFileName.toLowerCase();

        for (int i = 0; i < sets.size(); ++i)
        {
            if (sets.getUnchecked (i)->getFile().getFileName().toLowerCase() == wanted)
            {
                chosen.add (i);
                break;
            }
        }
    }

    for (auto setIndex : chosen)
    {
        reloadSet (setIndex);
        auto* set = sets.getUnchecked (setIndex);

        for (int item = 0; item < set->getNumItems(); ++item)
        {
            if (tag != -1 && ! set->itemHasTag (item, tag))
                continue;

            if (favouritesMode == 0 || (favouritesMode == 1 && set->isItemFavourite (item)))
            {
                poolSets.add (setIndex);
                poolItems.add (item);
            }
        }
    }
}

//==============================================================================
AdviceSet* SetLibrary::getPoolSet (int poolIndex) const
{
    return juce::isPositiveAndBelow (poolIndex, poolSets.size()) ? sets[poolSets.getUnchecked (poolIndex)]
                                                                   : nullptr;
}

int SetLibrary::getPoolItem (int poolIndex) const
{
    return juce::isPositiveAndBelow (poolIndex, poolItems.size()) ? poolItems.getUnchecked (poolIndex) : -1;
}

juce::String SetLibrary::getPoolText (int poolIndex) const
{
    if (auto* set = getPoolSet (poolIndex))
        return set->getItemText (getPoolItem (poolIndex));

    return {};
}

juce::String SetLibrary::getPoolSetName (int poolIndex) const
{
    if (auto* set = getPoolSet (poolIndex))
        return set->getName();

    return {};
}

juce::String SetLibrary::getPoolAuthor (int poolIndex) const
{
    if (auto* set = getPoolSet (poolIndex))
        return set->getAuthor();

    return {};
}

juce::Colour SetLibrary::getPoolColour (int poolIndex) const
{
    if (auto* set = getPoolSet (poolIndex))
        return set->getColour();

    return juce::Colours::lightgrey;
}

bool SetLibrary::isPoolFavourite (int poolIndex) const
{
    if (auto* set = getPoolSet (poolIndex))
        return set->isItemFavourite (getPoolItem (poolIndex));

    return false;
}

bool SetLibrary::setPoolFavourite (int poolIndex, bool shouldBeFavourite)
{
    auto* set = getPoolSet (poolIndex);
    auto item = getPoolItem (poolIndex);

    // After a reload the pool may name items the set no longer holds in memory
    // (a header-only read): writing it would empty the file.
    if (set == nullptr || ! juce::isPositiveAndBelow (item, set->getNumItems()))
        return false;

    // Another running copy may have written the set since this one read it. The mark goes
    // into the file as it is now, so that its marks (and any edit) are not put back.
    SetFileLock lock (set->getFile());

    if (! lock.isHeld())
        return false;

    AdviceSet onDisk (catalogue);
    onDisk.setFile (set->getFile());
    onDisk.readWhicheverKind();

    // An advice that has left the file is not brought back by its mark.
    const auto itemOnDisk = onDisk.findItemLike (*set, item);

    if (itemOnDisk < 0)
        return false;

    onDisk.setItemFavourite (itemOnDisk, shouldBeFavourite);

    if (! onDisk.writeToFile())
        return false;

    // The screen now shows what the file holds, the other copies' marks included.
    set->takeFavouritesFrom (onDisk);
    return true;
}

//==============================================================================
juce::StringArray SetLibrary::getSetNames (int language) const
{
    juce::StringArray names;

    for (auto* set : sets)
        if (language == -1 || set->getLanguage() == language)
            names.add (set->getName());

    return names;
}

juce::StringArray SetLibrary::getSetFileNames (int language) const
{
    juce::StringArray names;

    for (auto* set : sets)
        if (language == -1 || set->getLanguage() == language)
            names.add (set->getFile().getFileName());

    return names;
}
