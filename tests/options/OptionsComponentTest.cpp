#include "options/OptionsComponent.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
juce::String utf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

void writeSetFile (const juce::File& folder, const juce::String& fileName, const juce::String& name,
                   const juce::String& description, int language)
{
    folder.createDirectory();
    folder.getChildFile (fileName).replaceWithText ("KindlebrookV1 - Set file\n\nName=" + name
                                                    + ";\nDescription=" + description
                                                    + ";\nAuthor=Tester;\nLanguage=" + juce::String (language)
                                                    + ";\nColour=255,0,0;\n\nItem=Play it slower;\nFavorite=false;\nTags=2,406,;\n\n");
}

struct MessageLog : public juce::ActionListener
{
    void actionListenerCallback (const juce::String& message) override { messages.add (message); }
    juce::StringArray messages;
};

// A panel over a library of two English sets and one French set.
class OptionsPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto data = folder.getChildFile ("data");
        writeSetFile (data, "Demo.kbs", "Demo set", "All about the demo.", 1);
        writeSetFile (data, "Other.kbs", "Other set", "Something else.", 1);
        writeSetFile (data, "Fr.kbs", utf8 ("Set français"), utf8 ("Décrit en français."), 0);

        library.setBaseFolder (folder.getFolder());
        library.reload();
        ASSERT_EQ (library.getNumSets(), 3);

        panel = std::make_unique<OptionsComponent> (&catalogue, &library);
        panel->setSize (500, 350);
        kbtest::pumpMessages();
    }

    void TearDown() override
    {
        panel.reset();
    }

    // What a user's choice in a box does: the box's change message, delivered at once.
    void choose (juce::ComboBox& box, int id)
    {
        box.setSelectedId (id, juce::sendNotificationSync);
    }

    int idOfSet (int languageSet, const juce::String& fileName) const
    {
        return library.getSetFileNames (languageSet).indexOf (fileName) + OptionsComponent::firstSetId;
    }

    juce::String infoText() const { return panel->getInfoLabel().getText(); }

    kbtest::TempFolder folder;
    TagCatalogue catalogue;
    SetLibrary library { &catalogue };
    std::unique_ptr<OptionsComponent> panel;
};

juce::StringArray sectionHeadings (const juce::ComboBox& box, int& numSeparators)
{
    juce::StringArray headings;
    numSeparators = 0;

    for (juce::PopupMenu::MenuItemIterator it (*box.getRootMenu()); it.next();)
    {
        if (it.getItem().isSectionHeader)
            headings.add (it.getItem().text);
        else if (it.getItem().isSeparator)
            ++numSeparators;
    }

    return headings;
}
} // namespace

//==============================================================================
TEST_F (OptionsPanel, StartsInEnglishWithNoFilter)
{
    EXPECT_EQ (panel->getLanguage(), 1);
    EXPECT_EQ (panel->getInterfaceBox().getSelectedId(), 2);
    EXPECT_EQ (panel->getLanguageSet(), -1);
    EXPECT_EQ (panel->getSetsBox().getSelectedId(), OptionsComponent::allSetsId);
    EXPECT_EQ (panel->getSelectedSetFile(), juce::String());
    EXPECT_FALSE (panel->isFavoritesOnly());
    EXPECT_EQ (panel->getTagFilter(), -1);
    EXPECT_EQ (panel->getSetsBox().getNumItems(), 2 + 3);
}

TEST (OptionsPanelWithoutSets, HoldsOnlyTheTwoFixedSetEntries)
{
    kbtest::TempFolder folder;
    TagCatalogue catalogue;
    SetLibrary library (&catalogue);
    library.setBaseFolder (folder.getFolder());
    library.reload();

    OptionsComponent panel (&catalogue, &library);
    auto& sets = panel.getSetsBox();

    ASSERT_EQ (sets.getNumItems(), 2);
    EXPECT_EQ (sets.getItemId (0), 1);
    EXPECT_EQ (sets.getItemId (1), 2);
    EXPECT_EQ (sets.getItemText (0), "---All the sets---");
    EXPECT_EQ (sets.getItemText (1), "---Favorites---");
}

//==============================================================================
TEST_F (OptionsPanel, TagEntriesAreTagIdsPlusOne)
{
    auto& tags = panel->getTagsBox();

    // One "no tag" entry and 67 tags, each named by the catalogue under its id + 1.
    ASSERT_EQ (tags.getNumItems(), 68);
    EXPECT_EQ (tags.getItemId (0), OptionsComponent::noTagId);
    EXPECT_EQ (tags.getItemText (0), "---No tag filtering---");

    for (int i = 1; i < tags.getNumItems(); ++i)
    {
        const auto id = tags.getItemId (i);
        EXPECT_EQ (tags.getItemText (i), catalogue.getTagName (id - 1)) << "entry id " << id;
        EXPECT_FALSE (catalogue.getTagName (id - 1).isEmpty()) << "entry id " << id;
    }

    int numSeparators = 0;
    EXPECT_EQ (sectionHeadings (tags, numSeparators),
               juce::StringArray ("Abstraction level", "Function", "Instruments", "Music genre", "Themes"));
    EXPECT_EQ (numSeparators, 5);

    panel->setTagFilter (304);
    EXPECT_EQ (tags.getSelectedId(), 305);
    EXPECT_EQ (tags.getText(), catalogue.getTagName (304));
    EXPECT_EQ (panel->getTagFilter(), 304);

    choose (tags, 305);
    EXPECT_EQ (panel->getTagFilter(), 304);
    choose (tags, 1);
    EXPECT_EQ (panel->getTagFilter(), 0);

    panel->setTagFilter (-1);
    EXPECT_EQ (tags.getSelectedId(), OptionsComponent::noTagId);
    EXPECT_EQ (panel->getTagFilter(), -1);
}

TEST_F (OptionsPanel, TagChoiceDrivesTheInfoText)
{
    panel->setSelectedSet ("Demo.kbs", false);
    ASSERT_EQ (infoText(), "All about the demo.");

    // No tag from the owner leaves the set's description in place.
    panel->setTagFilter (-1);
    EXPECT_EQ (infoText(), "All about the demo.");

    panel->setTagFilter (406);
    EXPECT_EQ (infoText(), catalogue.getTagDescription (406));
    EXPECT_FALSE (infoText().isEmpty());

    // The user choosing no tag brings the set's description back; with all sets there is none.
    choose (panel->getTagsBox(), OptionsComponent::noTagId);
    EXPECT_EQ (infoText(), "All about the demo.");
    panel->setSelectedSet ({}, false);
    panel->setTagFilter (406);
    choose (panel->getTagsBox(), OptionsComponent::noTagId);
    EXPECT_EQ (infoText(), juce::String());
    panel->setSelectedSet ("Demo.kbs", false);

    // The description also arrives through the queued change message.
    panel->setTagFilter (201);
    kbtest::pumpMessages();
    EXPECT_EQ (infoText(), catalogue.getTagDescription (201));
}

//==============================================================================
TEST_F (OptionsPanel, SelectedSetIsFoundByFileNameInTheCurrentList)
{
    panel->setSelectedSet ("demo.KBS", false);
    EXPECT_EQ (panel->getSetsBox().getSelectedId(), idOfSet (-1, "Demo.kbs"));
    EXPECT_EQ (panel->getSetsBox().getText(), "Demo set");
    EXPECT_EQ (panel->getSelectedSetFile(), "Demo.kbs");
    EXPECT_FALSE (panel->isFavoritesOnly());
    EXPECT_EQ (infoText(), "All about the demo.");

    // A listed set wins over the favourites flag.
    panel->setSelectedSet ("Fr.kbs", true);
    EXPECT_EQ (panel->getSelectedSetFile(), "Fr.kbs");
    EXPECT_FALSE (panel->isFavoritesOnly());
    EXPECT_EQ (infoText(), utf8 ("Décrit en français."));

    panel->setSelectedSet ("Missing.kbs", false);
    EXPECT_EQ (panel->getSetsBox().getSelectedId(), OptionsComponent::allSetsId);
    EXPECT_EQ (panel->getSelectedSetFile(), juce::String());
    EXPECT_EQ (infoText(), juce::String());

    panel->setSelectedSet ("Missing.kbs", true);
    EXPECT_EQ (panel->getSetsBox().getSelectedId(), OptionsComponent::favouritesId);
    EXPECT_TRUE (panel->isFavoritesOnly());
    EXPECT_EQ (panel->getSelectedSetFile(), juce::String());

    // The name without its extension names no file.
    panel->setSelectedSet ("Demo", false);
    EXPECT_EQ (panel->getSetsBox().getSelectedId(), OptionsComponent::allSetsId);

    panel->setSelectedSet ({}, true);
    EXPECT_TRUE (panel->isFavoritesOnly());
    panel->setSelectedSet ({}, false);
    EXPECT_EQ (panel->getSetsBox().getSelectedId(), OptionsComponent::allSetsId);
}

TEST_F (OptionsPanel, OpeningWithASetLanguageListsOnlyThoseSets)
{
    // The owner's order: set language first, because setLanguage fills the set list from it.
    panel->setLanguageSet (0);
    panel->setLanguage (1);
    panel->setSelectedSet ("Fr.kbs", false);

    EXPECT_EQ (panel->getLanguageSet(), 0);
    EXPECT_EQ (panel->getSetsBox().getNumItems(), 3);
    EXPECT_EQ (panel->getSetsBox().getSelectedId(), OptionsComponent::firstSetId);
    EXPECT_EQ (panel->getSelectedSetFile(), "Fr.kbs");

    // An English set is not in the French list.
    panel->setSelectedSet ("Demo.kbs", false);
    EXPECT_EQ (panel->getSetsBox().getSelectedId(), OptionsComponent::allSetsId);
    EXPECT_EQ (panel->getSelectedSetFile(), juce::String());
}

TEST_F (OptionsPanel, SetLanguageOutsideTheListMeansAllLanguages)
{
    // A hand-edited settings file can hold anything; the panel must not report a
    // set language that no entry shows and that would empty the pool.
    panel->setLanguageSet (5);
    panel->setLanguage (1);

    EXPECT_EQ (panel->getSetLanguageBox().getSelectedId(), 1);
    EXPECT_EQ (panel->getLanguageSet(), -1);

    panel->setSelectedSet ("Other.kbs", false);
    EXPECT_EQ (panel->getSelectedSetFile(), "Other.kbs");
}

TEST_F (OptionsPanel, SetLanguageRefillKeepsTheChosenSetOnlyWhenStillListed)
{
    auto& sets = panel->getSetsBox();

    panel->setSelectedSet ("Demo.kbs", false);
    choose (panel->getSetLanguageBox(), 3);  // English sets only
    EXPECT_EQ (sets.getNumItems(), 4);
    EXPECT_EQ (sets.getText(), "Demo set");
    EXPECT_EQ (panel->getSelectedSetFile(), "Demo.kbs");

    choose (panel->getSetLanguageBox(), 2);  // French sets only
    EXPECT_EQ (sets.getNumItems(), 3);
    EXPECT_EQ (sets.getSelectedId(), OptionsComponent::allSetsId);
    EXPECT_EQ (panel->getSelectedSetFile(), juce::String());
    EXPECT_EQ (panel->getLanguageSet(), 0);

    // The queued change messages then clear the old set's description.
    kbtest::pumpMessages();
    EXPECT_EQ (infoText(), juce::String());

    panel->setSelectedSet ("Fr.kbs", false);
    choose (panel->getSetLanguageBox(), 1);  // all languages: the French set is found again by its text
    EXPECT_EQ (sets.getText(), utf8 ("Set français"));
    EXPECT_EQ (panel->getSelectedSetFile(), "Fr.kbs");

    panel->setSelectedSet ({}, true);
    choose (panel->getSetLanguageBox(), 2);
    EXPECT_TRUE (panel->isFavoritesOnly());
    EXPECT_EQ (sets.getText(), "---Favorites---");
}

//==============================================================================
TEST_F (OptionsPanel, LanguageSwitchRelabelsRefillsAndKeepsPositions)
{
    panel->setLanguageSet (1);
    panel->setLanguage (1);
    panel->setSelectedSet ("Other.kbs", false);
    panel->setTagFilter (304);
    kbtest::pumpMessages();

    const auto setId = panel->getSetsBox().getSelectedId();
    const auto numSetEntries = panel->getSetsBox().getNumItems();

    // The user picks "French" in the panel: the shared catalogue is rebuilt first.
    choose (panel->getInterfaceBox(), 1);

    EXPECT_EQ (panel->getLanguage(), 0);
    EXPECT_EQ (catalogue.getTagName (2), utf8 ("Créativité"));

    auto label = [this] (const char* id) { return dynamic_cast<juce::Label*> (panel->findChildWithID (id))->getText(); };
    EXPECT_EQ (label ("titleLabel"), "Filtrage des conseils");
    EXPECT_EQ (label ("interfaceLabel"), "Interface");
    EXPECT_EQ (label ("setsLabel"), utf8 ("Sets sélectionnés"));
    EXPECT_EQ (label ("setLanguageLabel"), "Langue(s) dans les sets");
    EXPECT_EQ (label ("tagsLabel"), "Tags");
    EXPECT_EQ (panel->getOkButton().getButtonText(), "OK");
    EXPECT_EQ (panel->getCancelButton().getButtonText(), "Annuler");

    EXPECT_EQ (panel->getInterfaceBox().getItemText (0), utf8 ("Français"));
    EXPECT_EQ (panel->getInterfaceBox().getItemText (1), "Anglais");
    EXPECT_EQ (panel->getInterfaceBox().getSelectedId(), 1);
    EXPECT_EQ (panel->getSetLanguageBox().getText(), "Seulement les sets en anglais");
    EXPECT_EQ (panel->getSetsBox().getItemText (0), "---Tous les sets---");
    EXPECT_EQ (panel->getSetsBox().getItemText (1), "---Favoris---");
    EXPECT_EQ (panel->getTagsBox().getItemText (0), "---Pas de filtrage par tags---");

    int numSeparators = 0;
    EXPECT_EQ (sectionHeadings (panel->getTagsBox(), numSeparators),
               juce::StringArray ("Niveau d'abstraction", "Fonction", "Instruments", "Styles musicaux", utf8 ("Thèmes")));

    // Same positions, new texts.
    EXPECT_EQ (panel->getLanguageSet(), 1);
    EXPECT_EQ (panel->getSetsBox().getNumItems(), numSetEntries);
    EXPECT_EQ (panel->getSetsBox().getSelectedId(), setId);
    EXPECT_EQ (panel->getSelectedSetFile(), "Other.kbs");
    EXPECT_EQ (panel->getTagFilter(), 304);
    EXPECT_EQ (panel->getTagsBox().getText(), catalogue.getTagName (304));

    // The tag's description follows, in French, once the queued messages arrive.
    kbtest::pumpMessages();
    EXPECT_EQ (infoText(), catalogue.getTagDescription (304));

    choose (panel->getInterfaceBox(), 2);
    EXPECT_EQ (panel->getLanguage(), 1);
    EXPECT_EQ (catalogue.getTagName (2), "Creativity");
    EXPECT_EQ (label ("titleLabel"), "Advice filtering");
    EXPECT_EQ (panel->getCancelButton().getButtonText(), "Cancel");
    EXPECT_EQ (panel->getInterfaceBox().getItemText (0), "French");
    EXPECT_EQ (panel->getSetLanguageBox().getText(), "English sets only");
    EXPECT_EQ (panel->getSelectedSetFile(), "Other.kbs");
    EXPECT_EQ (panel->getTagFilter(), 304);
}

TEST_F (OptionsPanel, AnyLanguageButFrenchIsEnglish)
{
    panel->setLanguage (2);
    EXPECT_EQ (panel->getLanguage(), 2);
    EXPECT_EQ (panel->getCancelButton().getButtonText(), "Cancel");
    EXPECT_EQ (panel->getInterfaceBox().getSelectedId(), 2);

    panel->setLanguage (0);
    EXPECT_EQ (panel->getCancelButton().getButtonText(), "Annuler");
    EXPECT_EQ (panel->getInterfaceBox().getSelectedId(), 1);
}

//==============================================================================
TEST_F (OptionsPanel, OkAndCancelAreSentAndThePanelStaysVisible)
{
    MessageLog log;
    panel->addActionListener (&log);
    panel->setVisible (true);

    panel->getOkButton().triggerClick();
    ASSERT_TRUE (kbtest::pumpUntil ([&] { return log.messages.size() == 1; }));
    EXPECT_EQ (log.messages[0], "OptionsOK");

    panel->getCancelButton().triggerClick();
    ASSERT_TRUE (kbtest::pumpUntil ([&] { return log.messages.size() == 2; }));
    EXPECT_EQ (log.messages[1], "OptionsCancel");

    EXPECT_TRUE (panel->isVisible());
    panel->removeActionListener (&log);
}
