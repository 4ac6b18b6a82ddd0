#pragma once

#include "EditionDialogs.h"

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
    The set editor: creates, opens, edits and saves one advice set at a time.

    It shows the open set as the main screen shows advice (name, one advice, author, all
    editable in place) with a wheel to step through the advice, file and item commands
    around them, and three pages (description, colour, tags) that take the middle in turn.
    It never hides itself: leaving sends the action message "EditionExit".

    The set it edits is its own copy, separate from the library's; nothing reaches the
    file before the user saves, and every command that would drop unsaved changes asks
    first. Children carry their member names as component IDs.
*/
class EditionComponent : public juce::Component,
                         public juce::Button::Listener,
                         public juce::ActionBroadcaster,
                         public juce::ChangeListener,
                         public juce::KeyListener,
                         public juce::ActionListener
{
public:
    EditionComponent (TagCatalogue* catalogue, SetLibrary* setLibrary);
    ~EditionComponent() override;

    /** 0 French, any other value English; rewrites every caption. */
    void setLanguage (int english);
    /** Back to no set open, on the advice page. */
    void closeSet();
    /** Whether the program may quit now; may ask to save first. */
    bool canClose();
    /** Writes a modified set, without asking, to a new file beside its own ("name (unsaved).kbs",
        or in the data folder when it was never saved), leaving its file as it was. For a session
        that ends while the set has changes. Returns the copy, or juce::File() when none was needed
        or it could not be written. */
    juce::File keepRecoveryCopy();

    void showPage (int page);
    void refreshDisplay();
    void updateButtonStates();
    void updateWindowTitle();

    /** The save prompt: 0 stop, 1 save first, 2 go on without saving (also kept in saveAnswer). */
    int askToSaveChanges();

    /** Replaces the dialogs (the platform's by default). */
    void setDialogs (std::unique_ptr<EditionDialogs> newDialogs);

    AdviceSet* getCurrentSet() const noexcept { return currentSet.get(); }
    bool isSetOpen() const noexcept { return setOpen; }
    bool isUpToDate() const noexcept { return upToDate; }
    int getCurrentPage() const noexcept { return currentPage; }
    /** The title last given to the window (kept also while the panel has no window). */
    const juce::String& getWindowTitle() const noexcept { return windowTitle; }

    //==============================================================================
    void paint (juce::Graphics&) override;
    void resized() override;
    bool keyPressed (const juce::KeyPress&) override;
    bool keyPressed (const juce::KeyPress&, juce::Component*) override;
    void buttonClicked (juce::Button*) override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override;
    void actionListenerCallback (const juce::String& message) override;

private:
    juce::String choose (const char* french, const char* english) const;
    /** Asks about unsaved changes and saves when told to; false when the command must stop. */
    bool passSaveGuard();
    void closeOpenPages();
    void togglePage (SpecialButton* pageButton, int page);
    void newSet();
    void openSet();
    void saveSet();
    void saveSetAs();
    void closeSetCommand();
    void leave();
    void switchLanguage();
    void addAdvice();
    void duplicateAdvice();
    void deleteAdvice();
    void afterItemAdded();
    /** Writes the open set; on failure tells the user and leaves the set modified. */
    bool writeSet();
    /** Where the file dialogs start: the library's data folder. */
    juce::File getDataFolder() const;
    /** The wheel position when it names an item of the open set, otherwise -1. */
    int getValidPosition() const;
    void markModified();
    /** Ends an edit in place as Return would, and applies it now rather than at the next message. */
    void commitOpenEdit();

    /** Gives the keyboard focus back to the panel when an edit in place ends, so that the
        shortcuts keep working without a click into the panel. */
    struct FocusKeeper : public juce::Label::Listener
    {
        explicit FocusKeeper (juce::Component& panelToFocus) : panel (panelToFocus) {}
        void labelTextChanged (juce::Label*) override {}
        void editorHidden (juce::Label*, juce::TextEditor&) override;
        juce::Component& panel;
    };

    TagCatalogue* catalogue;
    SetLibrary* setLibrary;
    std::unique_ptr<AdviceSet> currentSet;
    // The file the set was last read from or saved to; empty for a new set.
    juce::File lastStoredIn;
    bool setOpen = false;
    bool upToDate = false;
    int english = 1;
    int currentPage = 0;
    int saveAnswer = 0;
    std::unique_ptr<juce::Image> backgroundImage;
    std::unique_ptr<EditionDialogs> dialogs;
    juce::String windowTitle;
    FocusKeeper focusKeeper { *this };

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

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditionComponent)
};
