#pragma once

#include "EditionDialogs.h"
#include "EditionView.h"

#include <functional>
#include <memory>

class EditionPrompts;

/**
    The set editor: creates, opens, edits and saves one advice set at a time.

    It shows the open set as the main screen shows advice (EditionView) and acts on it through
    the editor's application commands (EditorCommandIDs), one table for the buttons and the
    keys. No command acts while the panel is hidden or one of its questions (EditionPrompts)
    is up. It never hides itself: leaving sends the action message "EditionExit".

    The set it edits is its own copy, separate from the library's; nothing reaches the file
    before the user saves, and every command that would drop unsaved changes asks first.
*/
class EditionComponent : public EditionView,
                         public juce::Button::Listener,
                         public juce::ActionBroadcaster,
                         public juce::ChangeListener,
                         public juce::ActionListener,
                         public juce::ApplicationCommandTarget
{
public:
    EditionComponent (TagCatalogue* catalogue, SetLibrary* setLibrary);
    ~EditionComponent() override;

    void setLanguage (int english) override;
    /** Back to no set open, on the advice page. */
    void closeSet();
    /** Whether the program may quit now. With unsaved changes it asks, answers false, and calls
        onCloseAgreed once they are saved or let go (canClose then answers true). While one of
        its questions is up it answers false without asking again. */
    bool canClose();
    /** By default presses the window's close button again, or asks the application to quit. */
    std::function<void()> onCloseAgreed;
    /** Keeps unsaved changes in a copy beside the set, without asking (EditedSet::keepRecoveryCopy). */
    juce::File keepRecoveryCopy();

    /** Registers the editor's commands in the program's manager, used from then on in place of
        the panel's own. The host routes keys to that manager; the panel still runs its own
        shortcuts at once when the keys reach it first. */
    void useCommandManager (juce::ApplicationCommandManager& manager);
    juce::ApplicationCommandManager& getCommandManager() const noexcept { return *commandManager; }

    /** Replaces the dialogs (the platform's by default). */
    void setDialogs (std::unique_ptr<EditionDialogs> newDialogs);
    /** A question or file dialog of the editor is up. */
    bool isPromptUp() const;

    //==============================================================================
    bool keyPressed (const juce::KeyPress&) override;
    void visibilityChanged() override;
    void buttonClicked (juce::Button*) override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override;
    void actionListenerCallback (const juce::String& message) override;

    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>&) override;
    void getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo&) override;
    bool perform (const InvocationInfo&) override;

private:
    /** Commands act only while the panel is shown (or stands alone) and asks nothing. */
    bool mayAct() const;
    SpecialButton* getButtonFor (juce::CommandID) const;
    /** Brings edits ended just before (their change messages still on the way) into the set. */
    void applyPendingEdits();
    void leave();
    void switchLanguage();
    void stepAdvice (int delta);
    void deleteAdvice();

    /** Gives the keyboard focus back to the panel when an edit in place ends, so that the
        shortcuts keep working without a click into the panel. */
    struct FocusKeeper : public juce::Label::Listener
    {
        explicit FocusKeeper (juce::Component& panelToFocus) : panel (panelToFocus) {}
        void labelTextChanged (juce::Label*) override {}
        void editorHidden (juce::Label*, juce::TextEditor&) override;
        juce::Component& panel;
    };

    // Modal, never shown, while one of the questions is up.
    juce::Component inputBlocker;
    std::unique_ptr<EditionPrompts> prompts;
    std::unique_ptr<juce::ApplicationCommandManager> ownCommandManager;
    juce::ApplicationCommandManager* commandManager = nullptr;
    // Set when the user saved or let the changes go in answer to the close button.
    bool closeAgreed = false;
    bool askingToClose = false;
    FocusKeeper focusKeeper { *this };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditionComponent)
};
