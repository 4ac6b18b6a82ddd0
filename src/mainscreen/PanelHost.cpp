#include "PanelHost.h"

#include "editor/EditionComponent.h"
#include "look/AboutComponent.h"
#include "options/OptionsComponent.h"

PanelHost::PanelHost (juce::Component& screenToCover, juce::ActionListener& messageListener,
                      TagCatalogue& tagCatalogue, SetLibrary& setLibrary, const HelpPages& pages,
                      juce::ApplicationCommandManager& manager)
    : screen (screenToCover),
      listener (messageListener),
      catalogue (tagCatalogue),
      library (setLibrary),
      helpPages (pages),
      commandManager (manager)
{
}

PanelHost::~PanelHost()
{
    for (auto* broadcaster : { (juce::ActionBroadcaster*) aboutPanel.get(), (juce::ActionBroadcaster*) optionsPanel.get(),
                               (juce::ActionBroadcaster*) editionPanel.get() })
        if (broadcaster != nullptr)
            broadcaster->removeActionListener (&listener);
}

template <typename Panel>
Panel& PanelHost::build (std::unique_ptr<Panel>& panel, std::function<Panel*()> make)
{
    if (panel == nullptr)
    {
        panel.reset (make());
        // Added last, so it lies over everything the screen shows.
        screen.addChildComponent (*panel);
        panel->setBounds (area);
        panel->addActionListener (&listener);
    }

    return *panel;
}

AboutComponent& PanelHost::about()
{
    return build<AboutComponent> (aboutPanel, [this]
    {
        auto* panel = new AboutComponent();
        panel->setHelpPages (helpPages);
        return panel;
    });
}

OptionsComponent& PanelHost::options()
{
    return build<OptionsComponent> (optionsPanel, [this] { return new OptionsComponent (&catalogue, &library); });
}

EditionComponent& PanelHost::editor()
{
    return build<EditionComponent> (editionPanel, [this]
    {
        auto* panel = new EditionComponent (&catalogue, &library);
        panel->useCommandManager (commandManager);
        return panel;
    });
}

void PanelHost::showOptions (const SettingsFile& settings)
{
    auto& panel = options();
    panel.rereadSets();
    panel.setLanguageSet (settings.LanguageSet);
    panel.setLanguage (settings.Language);
    panel.setSelectedSet (settings.Sets, settings.LookForFavorites);
    panel.setTagFilter (settings.Tags);
    panel.showSetDescription();
    show (panel);
    panel.getInterfaceBox().grabKeyboardFocus();
    catalogue.rebuild (settings.Language != 0);
}

void PanelHost::showEditor (int language)
{
    auto& panel = editor();
    panel.closeSet();
    panel.setLanguage (language);
    show (panel);
    // The editor's shortcuts must work at once, without a click into the panel first.
    panel.grabKeyboardFocus();
    catalogue.rebuild (language != 0);
}

void PanelHost::showAbout (int language)
{
    auto& panel = about();
    panel.setLanguage (language);
    show (panel);
    // A screen reader reads the panel; Tab goes on to its links.
    panel.grabKeyboardFocus();
}

juce::Array<juce::Component*> PanelHost::builtPanels() const
{
    juce::Array<juce::Component*> panels { aboutPanel.get(), optionsPanel.get(), editionPanel.get() };
    panels.removeAllInstancesOf (nullptr);
    return panels;
}

juce::Component* PanelHost::shownPanel() const
{
    for (auto* panel : builtPanels())
        if (panel->isVisible())
            return panel;

    return nullptr;
}

juce::ApplicationCommandTarget* PanelHost::shownEditor() const
{
    return isEditorShown() ? editionPanel.get() : nullptr;
}

bool PanelHost::isEditorShown() const
{
    return editionPanel != nullptr && editionPanel->isVisible();
}

void PanelHost::show (juce::Component& panel)
{
    if (onScreenCovered)
        onScreenCovered (true);

    panel.setVisible (true);
}

void PanelHost::hide (juce::Component* panel)
{
    if (panel == nullptr || ! panel->isVisible())
        return;

    // Before the panel goes, so that the focus it leaves lands on a control a screen reader sees.
    if (onScreenCovered)
        onScreenCovered (false);

    panel->setVisible (false);
}

bool PanelHost::handleMessage (const juce::String& message)
{
    if (message == "AboutExit")
    {
        hide (aboutPanel.get());
    }
    else if (message == "OptionsOK" && optionsPanel != nullptr)
    {
        hide (optionsPanel.get());
        if (onOptionsConfirmed)
            onOptionsConfirmed (*optionsPanel);
    }
    else if (message == "OptionsCancel")
    {
        hide (optionsPanel.get());
        if (onOptionsCancelled)
            onOptionsCancelled();
    }
    else if (message == "EditionExit")
    {
        hide (editionPanel.get());
        if (onEditorLeft)
            onEditorLeft();
    }
    else
    {
        return false;
    }

    if (onClosed)
        onClosed();
    return true;
}

bool PanelHost::leaveShownPanel()
{
    if (aboutPanel != nullptr && aboutPanel->isVisible())
        return handleMessage ("AboutExit");
    if (optionsPanel != nullptr && optionsPanel->isVisible())
        return handleMessage ("OptionsCancel");
    return false;
}

void PanelHost::setBounds (juce::Rectangle<int> newArea)
{
    area = newArea;

    for (auto* panel : builtPanels())
        panel->setBounds (area);
}
