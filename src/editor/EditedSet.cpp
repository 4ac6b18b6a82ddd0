#include "EditedSet.h"

#include "advice/AdviceSet.h"
#include "advice/SetFileLock.h"
#include "advice/SetLibrary.h"

namespace
{
juce::String choose (int english, const char* french, const char* englishText)
{
    return juce::String (juce::CharPointer_UTF8 (english == 0 ? french : englishText));
}
} // namespace

EditedSet::EditedSet (TagCatalogue* tagCatalogue, SetLibrary* setLibrary)
    : catalogue (tagCatalogue), library (setLibrary)
{
}

EditedSet::~EditedSet() = default;

bool EditedSet::hasFile() const
{
    return set != nullptr && set->getFile().getFullPathName().isNotEmpty();
}

juce::String EditedSet::getTitle() const
{
    juce::String title ("Kindlebrook");

    if (set == nullptr)
        return title;

    if (! hasFile())
        return title + "*";

    return title + " - " + set->getFile().getFileName() + (upToDate ? "" : "*");
}

juce::File EditedSet::getDataFolder() const
{
    return library != nullptr ? library->findDataFolder() : SetLibrary::getDataFolder();
}

void EditedSet::replaceSet (std::unique_ptr<AdviceSet> newSet, const juce::File& storedIn, bool isUpToDate)
{
    set = std::move (newSet);
    lastStoredIn = storedIn;
    upToDate = isUpToDate;
    ++identity;
}

//==============================================================================
void EditedSet::createNew (int english)
{
    auto newSet = std::make_unique<AdviceSet> (catalogue);
    newSet->setColour (juce::Colour (0xFFFFA500));
    newSet->setLanguage (english == 0 ? 0 : 1);
    newSet->setName (choose (english, "Pas de nom", "No name"));
    newSet->setAuthor (choose (english, "Auteur inconnu (", "Unknown author (")
                       + juce::String (juce::Time::getCurrentTime().getYear()) + ")");
    replaceSet (std::move (newSet), {}, false);
    addAdvice();
}

EditedSet::OpenResult EditedSet::open (const juce::File& file)
{
    if (! file.existsAsFile())
        return OpenResult::missing;

    auto newSet = std::make_unique<AdviceSet> (catalogue);
    newSet->setFile (file);
    const auto kind = newSet->readWhicheverKind();

    // The older format has no header line: a file from which its reader took nothing is not a
    // set, and saving it would write an empty set over it. (Its author always reads as at
    // least " ()", so it tells nothing.)
    const auto isSet = kind == 2
                    || (kind == 1 && (newSet->getNumItems() > 0 || newSet->getName().isNotEmpty()
                                      || newSet->getDescription().isNotEmpty()));

    if (! isSet)
        return OpenResult::notASet;

    replaceSet (std::move (newSet), file, true);
    return OpenResult::opened;
}

void EditedSet::close()
{
    replaceSet (nullptr, {}, false);
}

//==============================================================================
bool EditedSet::write()
{
    // Other running copies mark favourites in set files while this one edits: the lock keeps
    // their writes and this one apart. The marks are theirs, the rest is this editor's.
    const auto& file = set->getFile();
    SetFileLock lock (file);

    if (! lock.isHeld())
        return false;

    if (file == lastStoredIn && AdviceSet::getSetFileKind (file) == 2)
    {
        AdviceSet onDisk (catalogue);
        onDisk.setFile (file);
        onDisk.readFromFile (2);
        set->takeFavouritesFrom (onDisk);
    }

    if (! set->writeToFile())
        return false;

    lastStoredIn = file;
    upToDate = true;
    return true;
}

bool EditedSet::save()
{
    return hasFile() && write();
}

bool EditedSet::saveAs (const juce::File& target)
{
    if (set == nullptr)
        return false;

    const auto previous = set->getFile();
    set->setFile (target);

    if (write())
        return true;

    set->setFile (previous);
    return false;
}

juce::File EditedSet::keepRecoveryCopy (int english)
{
    if (set == nullptr || upToDate)
        return {};

    const auto file = set->getFile();
    juce::File copy;

    if (! hasFile())
    {
        const auto folder = getDataFolder();
        folder.createDirectory();
        copy = folder.getNonexistentChildFile (choose (english, "Set non enregistré", "Unsaved set"), ".kbs", false);
    }
    else
    {
        copy = file.getSiblingFile (file.getFileNameWithoutExtension() + choose (english, " (non enregistré)", " (unsaved)") + ".kbs")
                   .getNonexistentSibling (false);
    }

    set->setFile (copy);
    const auto written = set->writeToFile();
    set->setFile (file);
    return written ? copy : juce::File();
}

//==============================================================================
int EditedSet::addAdvice()
{
    if (set == nullptr)
        return -1;

    set->addItem();
    const auto last = set->getNumItems() - 1;
    // In the set's language, not the interface's.
    set->setItemText (last, set->getLanguage() == 0 ? "Conseil vide" : "Empty advice");
    set->addDefaultTag (last);
    upToDate = false;
    return last;
}

int EditedSet::duplicateAdvice (int position)
{
    if (set == nullptr || ! juce::isPositiveAndBelow (position, set->getNumItems()))
        return position;

    set->addItem();
    set->copyItem (position, set->getNumItems() - 1);
    upToDate = false;
    return set->getNumItems() - 1;
}

int EditedSet::deleteAdvice (int position)
{
    if (set == nullptr || ! juce::isPositiveAndBelow (position, set->getNumItems()))
        return position;

    set->removeItem (position);
    upToDate = false;

    if (set->getNumItems() == 0)
        return -1;

    return position > 0 ? position - 1 : 0;
}

//==============================================================================
bool EditedSet::markModifiedIf (bool changed)
{
    if (changed)
        upToDate = false;

    return changed;
}

bool EditedSet::setName (const juce::String& text)
{
    const auto changed = set != nullptr && set->getName() != text;
    if (changed) set->setName (text);
    return markModifiedIf (changed);
}

bool EditedSet::setDescription (const juce::String& text)
{
    const auto changed = set != nullptr && set->getDescription() != text;
    if (changed) set->setDescription (text);
    return markModifiedIf (changed);
}

bool EditedSet::setAuthor (const juce::String& text)
{
    const auto changed = set != nullptr && set->getAuthor() != text;
    if (changed) set->setAuthor (text);
    return markModifiedIf (changed);
}

bool EditedSet::setColour (juce::Colour colour)
{
    const auto changed = set != nullptr && set->getColour() != colour;
    if (changed) set->setColour (colour);
    return markModifiedIf (changed);
}

bool EditedSet::setLanguage (int language)
{
    const auto changed = set != nullptr && set->getLanguage() != language;
    if (changed) set->setLanguage (language);
    return markModifiedIf (changed);
}

bool EditedSet::setItemText (int position, const juce::String& text)
{
    const auto changed = set != nullptr && juce::isPositiveAndBelow (position, set->getNumItems())
                      && set->getItemText (position) != text;
    if (changed) set->setItemText (position, text);
    return markModifiedIf (changed);
}

bool EditedSet::setItemTags (int position, const juce::String& tagListText)
{
    if (set == nullptr || ! juce::isPositiveAndBelow (position, set->getNumItems()))
        return false;

    // Compared as the set stores them: a drag over the bar that ends where it began changes nothing.
    const auto before = set->getItemTagsString (position);
    set->setItemTagsFromString (position, tagListText);
    return markModifiedIf (set->getItemTagsString (position) != before);
}
