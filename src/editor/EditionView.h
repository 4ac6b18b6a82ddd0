#pragma once

#include "EditedSet.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class AdviceSet;
class SetLibrary;
class SpecialButton;
class SpecialColourSelector;
class SpecialLabel;
class SpecialTagManager;
class SpecialWheel;
class TagCatalogue;

/**
    What the set editor shows: its children, their layout, the four pages (advice, description,
    colour, tags), the attention marks of its buttons and the window title, all drawn from the
    EditedSet it holds. It acts on nothing by itself: EditionComponent adds the commands.

    Children are created in their stacking order, carry their member names as component IDs,
    and all but the way in and out are hidden while no set is open.
*/
class EditionView : public juce::Component
{
public:
    EditionView (TagCatalogue* catalogue, SetLibrary* setLibrary);
    ~EditionView() override;

    /** 0 French, any other value English; rewrites every caption. */
    virtual void setLanguage (int english);

    /** 0 advice, 1 description, 2 colour, 3 tags; with no set open, only the way in and out. */
    void showPage (int page);
    /** Shows the open set: its name, the advice at the wheel's position, its author. */
    void refreshDisplay();
    /** The attention marks: an empty set, an empty description, an advice with few tags, unsaved changes. */
    void updateButtonStates();
    void updateWindowTitle();

    AdviceSet* getCurrentSet() const noexcept { return editedSet.get(); }
    bool isSetOpen() const noexcept { return editedSet.isOpen(); }
    bool isUpToDate() const noexcept { return editedSet.isUpToDate(); }
    int getCurrentPage() const noexcept { return currentPage; }
    /** The title last given to the window (kept also while the panel has no window). */
    const juce::String& getWindowTitle() const noexcept { return windowTitle; }

    void paint (juce::Graphics&) override;
    void resized() override;

protected:
    juce::String choose (const char* french, const char* english) const;
    /** The wheel position when it names an item of the open set, otherwise -1. */
    int getValidPosition() const;
    /** A set just created or opened, from its first advice on the advice page. */
    void showWholeSet();
    /** After an item was added or deleted: the advice at that position (-1 for none). */
    void showAdviceAt (int position);
    /** Opens the button's page, or goes back to the advice from it. */
    void togglePage (SpecialButton* pageButton, int page);
    void closeOpenPages();

    EditedSet editedSet;
    int english = 1;
    int currentPage = 0;

    SpecialButton* newSetButton = nullptr;
    SpecialButton* openSetButton = nullptr;
    SpecialButton* saveButton = nullptr;
    SpecialButton* saveAsButton = nullptr;
    SpecialButton* closeSetButton = nullptr;
    SpecialButton* languageButton = nullptr;
    SpecialButton* colourButton = nullptr;
    SpecialButton* descriptionButton = nullptr;
    SpecialButton* tagsButton = nullptr;
    SpecialButton* addAdviceButton = nullptr;
    SpecialButton* duplicateAdviceButton = nullptr;
    SpecialButton* deleteAdviceButton = nullptr;
    SpecialButton* backButton = nullptr;
    SpecialLabel* nameLabel = nullptr;
    SpecialLabel* adviceLabel = nullptr;
    SpecialLabel* authorLabel = nullptr;
    SpecialWheel* wheel = nullptr;
    juce::Label* descriptionHeading = nullptr;
    SpecialLabel* setDescriptionLabel = nullptr;
    juce::Label* colourHeading = nullptr;
    SpecialColourSelector* colourSelector = nullptr;
    SpecialTagManager* tagManager = nullptr;
    juce::Label* tagsAdviceLabel = nullptr;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    std::unique_ptr<juce::Image> backgroundImage;
    juce::String windowTitle;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditionView)
};
