#pragma once

#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"

#include <juce_gui_basics/juce_gui_basics.h>

/**
    The panel in which the user picks the interface language and the advice
    filter: the language of the sets, one set, all sets or only favourites, and
    one tag.

    The combo box item ids are the panel's whole vocabulary for the filter:
    interfaceBox 1 French, 2 English; setLanguageBox 1 all, 2 French sets,
    3 English sets; setsBox 1 all sets, 2 favourites, 3 + n the n-th set of the
    list for the set-language choice; tagsBox 9999 no tag, otherwise tag id + 1.

    The panel keeps nothing on disk and never hides itself: it sends "OptionsOK"
    or "OptionsCancel" and the owner reads the values back. Changing the language
    in the panel rebuilds the shared catalogue at once, before any confirmation.
*/
class OptionsComponent : public juce::Component,
                         public juce::ActionBroadcaster,
                         public juce::Button::Listener,
                         public juce::ComboBox::Listener
{
public:
    /** Neither pointer is owned; both must outlive the panel. */
    OptionsComponent (TagCatalogue* catalogue, SetLibrary* setLibrary);
    ~OptionsComponent() override;

    /** Reads the headers of the data folder's sets again, so that a set copied there since is
        offered; call before pushing the current values in. */
    void rereadSets();

    /** Rewrites every text and list in French (0) or English (any other value),
        keeping the chosen entries by their position. */
    void setLanguage (int newLanguage);
    int getLanguage() const noexcept { return language; }

    /** -1 all languages, 0 French sets, 1 English sets; no change message. */
    void setLanguageSet (int languageSet);
    int getLanguageSet() const;

    /** Chooses a set by its file name (extension included, any case) in the list of
        the current set-language choice, or all sets / favourites when the name is
        empty or not listed; then shows the chosen set's description. */
    void setSelectedSet (const juce::String& setFileName, bool favouritesOnly);
    /** Empty for all sets and for favourites. */
    juce::String getSelectedSetFile() const;
    bool isFavoritesOnly() const;

    /** -1 chooses no tag and leaves the info text alone; a tag id chooses that tag
        and shows its description. */
    void setTagFilter (int tagId);
    /** -1 for none. */
    int getTagFilter() const;

    /** Puts the chosen set's description into the info text (empty for all sets
        and for favourites). */
    void showSetDescription();

    void paint (juce::Graphics&) override;
    void resized() override;
    void buttonClicked (juce::Button*) override;
    void comboBoxChanged (juce::ComboBox*) override;

    /** The interactive children, for tests and scripted use. Every child also
        carries its member name as component id. */
    juce::ComboBox& getInterfaceBox() const noexcept { return *interfaceBox; }
    juce::ComboBox& getSetLanguageBox() const noexcept { return *setLanguageBox; }
    juce::ComboBox& getSetsBox() const noexcept { return *setsBox; }
    juce::ComboBox& getTagsBox() const noexcept { return *tagsBox; }
    juce::Label& getInfoLabel() const noexcept { return *infoLabel; }
    juce::TextButton& getOkButton() const noexcept { return *okButton; }
    juce::TextButton& getCancelButton() const noexcept { return *cancelButton; }

    /** The fixed ids of the boxes' special entries. */
    enum
    {
        allSetsId = 1,
        favouritesId = 2,
        firstSetId = 3,
        noTagId = 9999
    };

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;
    juce::String choose (const char* french, const char* english) const;
    juce::StringArray getSetNames (int languageSet) const;
    juce::StringArray getSetFileNames (int languageSet) const;
    void addFixedSetEntries();
    void fillTagsBox();
    void refillSetsForLanguage();
    void showTagDescription();

    int language = 1;
    juce::Label* titleLabel = nullptr;
    juce::Label* interfaceLabel = nullptr;
    juce::Label* setsLabel = nullptr;
    juce::Label* setLanguageLabel = nullptr;
    juce::Label* tagsLabel = nullptr;
    juce::ComboBox* interfaceBox = nullptr;
    juce::ComboBox* setsBox = nullptr;
    juce::ComboBox* setLanguageBox = nullptr;
    juce::ComboBox* tagsBox = nullptr;
    juce::TextButton* okButton = nullptr;
    juce::TextButton* cancelButton = nullptr;
    juce::Label* infoLabel = nullptr;
    TagCatalogue* catalogue = nullptr;
    SetLibrary* setLibrary = nullptr;
    SetLibrary setList;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OptionsComponent)
};
