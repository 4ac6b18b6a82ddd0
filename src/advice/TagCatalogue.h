#pragma once

#include <juce_core/juce_core.h>

#include <unordered_map>

/**
    The fixed, bilingual vocabulary of tags that classify advice: five categories,
    67 tags with names and descriptions, the interface-language names, and the
    four-letter codes of the older set format.

    It holds one language at a time; rebuild() switches it. Everything that shows
    tag texts keeps a pointer to the one instance, so a rebuild is seen by all.
*/
class TagCatalogue
{
public:
    /** Starts in English, with the code table filled. */
    TagCatalogue();

    /** Refills every language-dependent list in English (true) or French (false). */
    void rebuild (bool english);

    /** The tag's name in the current language; empty for an id that names no tag. */
    juce::String getTagName (int tagId) const;

    /** The tag's description in the current language; empty for an id that names no tag. */
    juce::String getTagDescription (int tagId) const;

    /** Category 0 to 4; empty outside that range. */
    juce::String getCategoryName (int categoryIndex) const;
    juce::String getCategoryDescription (int categoryIndex) const;

    /** The tag names of category 0 to 4; index 5 gives the interface-language names; others nothing. */
    juce::StringArray getCategoryTagNames (int categoryIndex) const;

    /** The id of a legacy tag code (case-insensitive, first match); 0 when unknown. */
    int getTagIdFromCode (const juce::String& code) const;

    static constexpr int numCategories = 5;

private:
    /** Position of the tag among all tags, from the current list sizes; -1 when it names no tag. */
    int getFlatPosition (int tagId) const;
    const juce::StringArray* getNamesOfCategory (int categoryIndex) const;

    juce::StringArray languageNames;
    juce::StringArray abstractionNames;
    juce::StringArray functionNames;
    juce::StringArray instrumentNames;
    juce::StringArray genreNames;
    juce::StringArray themeNames;
    juce::StringArray categoryNames;
    // Legacy codes in lower case, each with the id of its first tag: a hand-made file can list
    // a million codes, so each is looked up at once rather than compared with every code.
    std::unordered_map<juce::String, int> idOfLowerCaseCode;
    juce::StringArray tagDescriptions;
    juce::StringArray categoryDescriptions;

    JUCE_DECLARE_NON_COPYABLE (TagCatalogue)
};
