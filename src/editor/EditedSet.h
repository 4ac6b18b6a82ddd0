#pragma once

#include <juce_graphics/juce_graphics.h>

#include <memory>

class AdviceSet;
class SetLibrary;
class TagCatalogue;

/**
    The set the editor works on and everything it does to files: a new set, opening a file only
    when it holds a set, saving under the folder's lock without losing the favourite marks that
    other running copies made meanwhile, save as, the recovery copy, and the item commands.
    It knows whether the set has changes since it was read or saved; an edit that changes
    nothing does not count.

    No user interface: the panel shows the set and asks the user's questions. Texts it writes
    into a set (a new set's name, an empty advice) follow a language given as 0 French,
    anything else English.
*/
class EditedSet
{
public:
    /** The library gives the data folder; without one, the folder beside the program. */
    EditedSet (TagCatalogue* catalogue, SetLibrary* library);
    ~EditedSet();

    bool isOpen() const noexcept { return set != nullptr; }
    AdviceSet* get() const noexcept { return set.get(); }
    bool isUpToDate() const noexcept { return upToDate; }
    bool hasFile() const;
    /** Changes whenever another set, or none, takes the place of the one open: an answer to a
        question about one set must not act on the next. */
    int getIdentity() const noexcept { return identity; }
    /** "Kindlebrook"; with a set open "*" when it was never saved, else " - " and its file name,
        followed by "*" while it has unsaved changes. */
    juce::String getTitle() const;
    /** Where sets are saved by default; it may not exist yet. */
    juce::File getDataFolder() const;

    /** A set never saved, orange, in the given language, with one empty advice. */
    void createNew (int english);

    enum class OpenResult { opened, missing, notASet };
    /** Reads the file into a set of its own first: unless it opens, the set open stays as it was. */
    OpenResult open (const juce::File& file);
    void close();

    /** Writes the set to its file; false when it could not, the file on disk then left as it was. */
    bool save();
    /** The same to another file, which becomes the set's only when the write succeeds. */
    bool saveAs (const juce::File& target);
    /** Writes a modified set to a new file beside its own ("name (unsaved).kbs", or in the data
        folder for a set never saved), leaving its file as it was: for a session that ends while
        nobody can be asked. The copy, or juce::File() when none was needed or written. */
    juce::File keepRecoveryCopy (int english);

    /** Each returns the position of the advice to show afterwards (-1 for none). */
    int addAdvice();
    int duplicateAdvice (int position);
    int deleteAdvice (int position);

    /** Each returns whether the set changed, and marks it modified when it did. */
    bool setName (const juce::String&);
    bool setDescription (const juce::String&);
    bool setAuthor (const juce::String&);
    bool setColour (juce::Colour);
    bool setLanguage (int language);
    bool setItemText (int position, const juce::String&);
    bool setItemTags (int position, const juce::String& tagListText);

private:
    void replaceSet (std::unique_ptr<AdviceSet> newSet, const juce::File& storedIn, bool readFromIt);
    bool write();
    bool markModifiedIf (bool changed);

    TagCatalogue* catalogue;
    SetLibrary* library;
    std::unique_ptr<AdviceSet> set;
    // The file the set was last read from or saved to; empty for a new set.
    juce::File lastStoredIn;
    bool upToDate = false;
    int identity = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditedSet)
};
