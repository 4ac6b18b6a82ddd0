#pragma once

#include "SettingsFile.h"
#include "ShuffleBag.h"
#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"
#include "help/HelpPages.h"
#include "look/CustomLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

class SpecialButton;
class AboutComponent;
class OptionsComponent;
class EditionComponent;

/**
    The main screen and the hub of the program: it shows one advice inside a ring
    in its set's colour, carries the menu, favourite and new-advice buttons, holds
    the user's settings, and lays the panels over itself when asked.
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

    /** False when an open set editor refuses to close, or when the settings cannot be written
        and the user chooses to stay (onQuitProblem). */
    bool isReadyToQuit();

    /** Takes the keyboard focus back once pending messages are handled, if still on screen;
        for when a panel closes. */
    void grabFocusSoon();

    /** The session is ending and nobody can be asked: keeps unsaved editor work in a recovery copy. */
    void prepareForSessionEnd();

    void paint (juce::Graphics&) override;
    void resized() override;
    bool keyPressed (const juce::KeyPress&) override;
    bool keyPressed (const juce::KeyPress&, juce::Component* originatingComponent) override;
    void buttonClicked (juce::Button*) override;
    void actionListenerCallback (const juce::String& message) override;
    void timerCallback (int timerID) override;

    // Selection and display
    void refreshPool();
    void showAdvice (int index, bool fade);
    void startColourFade (juce::Colour target);
    void toggleFavourite();

    // Settings
    void loadSettings();
    /** False when the file could not be written (the old one is then kept). Values that
        another running copy wrote since and this one did not change are kept (SettingsFile::merge). */
    bool saveSettings();
    juce::File getSettingsFile() const;

    // Menu
    void showMenu();
    juce::PopupMenu buildMenu() const;
    void handleMenuResult (int result);
    void copyAdviceToClipboard() const;

    /** The local help page in the interface language (F1 and "Help"). */
    juce::String getHelpAddress() const;
    /** The help's section on finding, sharing and installing sets ("To get more sets..."). */
    juce::String getMoreSetsAddress() const;

    /** Tests and the e2e harness read what the user sees through these. */
    juce::String getSetNameText() const;
    juce::String getAdviceText() const;
    juce::String getAuthorText() const;
    int getCurrentIndex() const noexcept { return currentIndex; }
    juce::Colour getCurrentColour() const noexcept { return currentColour; }
    SpecialButton& getFavouriteButton() const noexcept { return *favoriteButton; }
    SpecialButton& getNewAdviceButton() const noexcept { return *newAdviceButton; }
    SpecialButton& getMenuButton() const noexcept { return *menuButton; }
    SetLibrary& getSetLibrary() const noexcept { return *setLibrary; }
    TagCatalogue& getTagCatalogue() noexcept { return tagCatalogue; }
    AboutComponent* getAboutPanel() const noexcept { return aboutPanel; }
    OptionsComponent* getOptionsPanel() const noexcept { return optionsPanel; }
    EditionComponent* getEditionPanel() const noexcept { return editionPanel; }

    int getLanguage() const noexcept { return Language; }
    int getLanguageSet() const noexcept { return LanguageSet; }
    const juce::String& getSets() const noexcept { return Sets; }
    int getTags() const noexcept { return Tags; }
    bool getLookForFavorites() const noexcept { return LookForFavorites; }
    int getTimerPeriod() const noexcept { return Timer; }

    /** Where problems the user must know about go; an asynchronous alert box by default. */
    std::function<void (const juce::String& title, const juce::String& message)> onProblem;

    /** Asked when the program is about to close and a problem would lose the user's work;
        true to close all the same. A modal box with Quit and Cancel by default. */
    std::function<bool (const juce::String& title, const juce::String& message)> onQuitProblem;

    /** Opens a web page; the default browser by default (tests replace it). */
    std::function<void (const juce::String& address)> onOpenWebPage;

private:
    void globalFocusChanged (juce::Component* focusedComponent) override;
    void restartAutomaticAdvice();
    bool isAnyPanelVisible() const;
    juce::String choose (const char* french, const char* english) const;
    /** Says that the settings file could not be written, and where it is. */
    juce::String settingsNotWrittenMessage() const;
    void setButtonsColour (juce::Colour colour);

    juce::File baseFolder;
    HelpPages helpPages;

    CustomLookAndFeel customLookAndFeel;
    juce::Label* setNameLabel = nullptr;
    juce::Label* adviceLabel = nullptr;
    juce::Label* authorLabel = nullptr;
    SpecialButton* newAdviceButton = nullptr;
    SpecialButton* menuButton = nullptr;
    SpecialButton* favoriteButton = nullptr;
    AboutComponent* aboutPanel = nullptr;
    OptionsComponent* optionsPanel = nullptr;
    EditionComponent* editionPanel = nullptr;
    TagCatalogue tagCatalogue;
    SetLibrary* setLibrary = nullptr;
    ShuffleBag shuffleBag;
    juce::Colour currentColour, fadeFromColour, fadeToColour;
    int fadeStep = 0;

    // The settings, named as their keys in the settings file.
    int Language = 1;
    int LanguageSet = -1;
    juce::String Sets;
    int Tags = -1;
    bool LookForFavorites = false;
    int Timer = 0;

    int currentIndex = -1;
    int lastItem = -1;
    // The settings as this copy last read or wrote them.
    std::unique_ptr<SettingsFile> storedSettings;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};
