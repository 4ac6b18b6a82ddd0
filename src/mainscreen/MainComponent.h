#pragma once

#include "ColourFade.h"
#include "MainCommands.h"
#include "PanelHost.h"
#include "ShuffleBag.h"
#include "UserSettings.h"
#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"
#include "help/HelpPages.h"
#include "look/CustomLookAndFeel.h"
#include "widgets/SpecialButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

class AboutComponent;
class OptionsComponent;
class EditionComponent;

/**
    The main screen: one advice inside a ring in its set's colour, with the menu, favourite and
    new-advice buttons. It owns the program's parts (settings, sets, commands, panels) and is
    where they meet.

    The keyboard focus rests on the advice text, where Space and Return draw a new advice; Tab
    goes on to the menu, favourite and new-advice buttons, which Space and Return then press,
    and back to the advice. Every other key is a command wherever the focus is.
*/
class MainComponent : public juce::Component,
                      public juce::Button::Listener,
                      public juce::ActionListener,
                      public juce::KeyListener,
                      public juce::MultiTimer,
                      private juce::FocusChangeListener
{
public:
    /** The program's main screen, with its settings and data folder beside the executable. */
    MainComponent();
    /** The same with another folder standing for the executable's (tests use this). */
    explicit MainComponent (const juce::File& folderStandingForTheExecutables);
    ~MainComponent() override;

    /** False while a question stands between the user and the end: unsaved work in the set
        editor, or settings that cannot be written (onQuitProblem). An answer to close all the
        same closes the window again, and this then says yes. */
    bool isReadyToQuit();

    /** Takes the keyboard focus back once pending messages are handled, if still on screen;
        for when a panel closes. */
    void grabFocusSoon();

    /** The session is ending and nobody can be asked: keeps unsaved editor work in a recovery copy. */
    void prepareForSessionEnd();

    void paint (juce::Graphics&) override;
    void resized() override;
    /** Runs the command of a key, as the program's command manager maps it. */
    bool keyPressed (const juce::KeyPress&) override;
    bool keyPressed (const juce::KeyPress&, juce::Component* originatingComponent) override;
    /** The context-menu key comes only as a key going down. */
    bool keyStateChanged (bool isKeyDown) override;
    bool keyStateChanged (bool isKeyDown, juce::Component* originatingComponent) override;
    void buttonClicked (juce::Button*) override;
    void actionListenerCallback (const juce::String& message) override;
    void timerCallback (int timerID) override;

    // Selection and display
    void refreshPool();
    void showAdvice (int index, bool fade);
    void toggleFavourite();

    // Settings
    /** False when the file could not be written (the old one is then kept). */
    bool saveSettings();
    const juce::File& getSettingsFile() const noexcept { return settings.getFile(); }

    // Commands, from the menu or the keys
    juce::PopupMenu buildMenu() const { return commands.buildMenu(); }
    void showMenu() { commands.showMenu (nullptr); }
    void handleMenuResult (int result) { commands.handleMenuResult (result); }
    void openOptions() { panels.showOptions (settings); }
    void openSetEditor() { panels.showEditor (settings.Language); }
    void openAbout() { panels.showAbout (settings.Language); }
    /** Escape: leaves the about or options panel (Cancel); false when neither is shown. */
    bool leavePanel() { return panels.leaveShownPanel(); }
    void openWebPage (const juce::String& address) { onOpenWebPage (address); }
    void copyAdviceToClipboard() const;
    /** Sets the period of the automatic advice and starts it afresh (0 stops it). */
    void setTimerPeriod (int seconds);
    bool isAnyPanelShown() const { return panels.isAnyShown(); }
    juce::ApplicationCommandManager& getCommandManager() noexcept { return commandManager; }

    /** The local help page in the interface language (F1 and "Help"). */
    juce::String getHelpAddress() const;
    /** The help's section on finding, sharing and installing sets ("To get more sets..."). */
    juce::String getMoreSetsAddress() const;

    /** The French or the English text, by the interface language. */
    juce::String choose (const char* french, const char* english) const;

    /** Tests and the e2e harness read what the user sees through these. */
    juce::String getSetNameText() const { return setNameLabel.getText(); }
    juce::String getAdviceText() const { return adviceLabel.getText(); }
    juce::String getAuthorText() const { return authorLabel.getText(); }
    int getCurrentIndex() const noexcept { return currentIndex; }
    juce::Colour getCurrentColour() const noexcept { return fade.getColour(); }
    SpecialButton& getFavouriteButton() noexcept { return favoriteButton; }
    SpecialButton& getNewAdviceButton() noexcept { return newAdviceButton; }
    SpecialButton& getMenuButton() noexcept { return menuButton; }
    SetLibrary& getSetLibrary() noexcept { return setLibrary; }
    TagCatalogue& getTagCatalogue() noexcept { return tagCatalogue; }
    /** Each panel is built by its first use. */
    AboutComponent* getAboutPanel() { return &panels.about(); }
    OptionsComponent* getOptionsPanel() { return &panels.options(); }
    EditionComponent* getEditionPanel() { return &panels.editor(); }

    int getLanguage() const noexcept { return settings.Language; }
    int getLanguageSet() const noexcept { return settings.LanguageSet; }
    const juce::String& getSets() const noexcept { return settings.Sets; }
    int getTags() const noexcept { return settings.Tags; }
    bool getLookForFavorites() const noexcept { return settings.LookForFavorites; }
    int getTimerPeriod() const noexcept { return settings.Timer; }

    /** Where problems the user must know about go; an asynchronous alert box by default. */
    std::function<void (const juce::String& title, const juce::String& message)> onProblem;

    /** Asked when the program is about to close and a problem would lose the user's work; the
        answer (true: close all the same) may come later. A box with Quit and Cancel by default. */
    std::function<void (const juce::String& title, const juce::String& message, std::function<void (bool quitAnyway)> answer)> onQuitProblem;

    /** Opens a web page; the default browser by default (tests replace it). */
    std::function<void (const juce::String& address)> onOpenWebPage;

    /** Tells a screen reader what just changed (a new advice, a favourite mark); by default an
        announcement through the platform's accessibility, which speaks it whatever has the focus. */
    std::function<void (const juce::String& notice)> onAnnounce;

    void mouseDown (const juce::MouseEvent&) override;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;
    void globalFocusChanged (juce::Component* focusedComponent) override;
    /** Names the controls for a screen reader in the interface language. */
    void updateAccessibleNames();
    /** The screen's texts and buttons in reading order. */
    juce::Array<juce::Component*> screenControls();
    /** While a panel covers the screen, a screen reader finds only the panel. */
    void setScreenAccessible (bool accessible);
    void loadSettings();
    void takeOptions (OptionsComponent&);
    /** Says that the settings file could not be written, and where it is. */
    juce::String settingsNotWrittenMessage() const;
    void setButtonsColour (juce::Colour colour);

    juce::File baseFolder;
    HelpPages helpPages;

    CustomLookAndFeel customLookAndFeel;
    juce::Label setNameLabel, adviceLabel, authorLabel;
    SpecialButton newAdviceButton, menuButton, favoriteButton;
    TagCatalogue tagCatalogue;
    SetLibrary setLibrary { &tagCatalogue };
    ShuffleBag shuffleBag;
    ColourFade fade;
    UserSettings settings;
    int currentIndex = -1;
    bool quitAgreed = false;

    juce::ApplicationCommandManager commandManager;
    PanelHost panels;
    MainCommands commands;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};
