#pragma once

#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"
#include "SettingsFile.h"
#include "help/HelpPages.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

class AboutComponent;
class OptionsComponent;
class EditionComponent;

/**
    The three panels laid over the main screen. Each is built the first time it is asked for,
    so that start-up pays for none of them; at most one is shown at a time. A panel never hides
    itself: its action message comes here, through the screen, and the host hides it and tells
    the screen what the user chose.
*/
class PanelHost
{
public:
    /** The panels become children of `screen` and send their messages to `listener`. */
    PanelHost (juce::Component& screen, juce::ActionListener& listener, TagCatalogue& catalogue,
               SetLibrary& library, const HelpPages& helpPages, juce::ApplicationCommandManager& manager);
    ~PanelHost();

    AboutComponent& about();
    OptionsComponent& options();
    EditionComponent& editor();

    /** Each shows its panel over the whole screen with the user's current choices, and gives
        it the keys. */
    void showOptions (const SettingsFile& settings);
    void showEditor (int language);
    void showAbout (int language);
    bool isAnyShown() const { return shownPanel() != nullptr; }
    juce::Component* shownPanel() const;
    bool isEditorShown() const;
    /** The set editor while it is shown, whose commands then come after the screen's. */
    juce::ApplicationCommandTarget* shownEditor() const;

    /** Hides the panel a message comes from and says what happened through the callbacks;
        false for a message that is not a panel's. */
    bool handleMessage (const juce::String& message);

    /** Escape: the about panel closes, the options panel cancels. The set editor leaves through
        its own command, which asks about unsaved changes first. */
    bool leaveShownPanel();

    void setBounds (juce::Rectangle<int> area);

    std::function<void (OptionsComponent&)> onOptionsConfirmed;
    std::function<void()> onOptionsCancelled;
    std::function<void()> onEditorLeft;
    /** After any panel has gone: the keys belong to the screen again. */
    std::function<void()> onClosed;
    /** True just before a panel shows, false just before it goes. */
    std::function<void (bool covered)> onScreenCovered;

private:
    template <typename Panel>
    Panel& build (std::unique_ptr<Panel>& panel, std::function<Panel*()> make);
    /** The panels built so far. */
    juce::Array<juce::Component*> builtPanels() const;
    void show (juce::Component& panel);
    void hide (juce::Component* panel);

    juce::Component& screen;
    juce::ActionListener& listener;
    TagCatalogue& catalogue;
    SetLibrary& library;
    const HelpPages& helpPages;
    juce::ApplicationCommandManager& commandManager;
    juce::Rectangle<int> area;

    std::unique_ptr<AboutComponent> aboutPanel;
    std::unique_ptr<OptionsComponent> optionsPanel;
    std::unique_ptr<EditionComponent> editionPanel;

    JUCE_DECLARE_NON_COPYABLE (PanelHost)
};
