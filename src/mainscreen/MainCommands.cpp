#include "MainCommands.h"

#include "MainComponent.h"
#include "widgets/SpecialButton.h"

const int MainCommands::timerPeriods[8] = { 0, 5, 10, 30, 60, 120, 300, 600 };

namespace
{
// JUCE names no key for the context-menu key: its code is the one each platform's JUCE gives it.
juce::KeyPress contextMenuKey()
{
   #if JUCE_LINUX || JUCE_BSD
    return juce::KeyPress (0x67 | 0x10000000); // XK_Menu
   #elif JUCE_WINDOWS
    return juce::KeyPress (0x5d | 0x10000); // VK_APPS
   #else
    return {};
   #endif
}
} // namespace

MainCommands::MainCommands (MainComponent& mainScreen, juce::ApplicationCommandManager& commandManager)
    : screen (mainScreen),
      manager (commandManager),
      menuLook (std::make_unique<juce::LookAndFeel_V2>())
{
    menuLook->setColour (juce::PopupMenu::backgroundColourId, juce::Colours::black);
    menuLook->setColour (juce::PopupMenu::textColourId, juce::Colours::lightgrey);
    manager.registerAllCommandsForTarget (this);
}

MainCommands::~MainCommands()
{
    juce::PopupMenu::dismissAllActiveMenus();
}

juce::ApplicationCommandTarget* MainCommands::getNextCommandTarget()
{
    return nextTarget ? nextTarget() : nullptr;
}

void MainCommands::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray ({ options, setEditor, moreSets, help, copyAdvice, about,
                         newAdvice, favourite, openMenu, openMenuWithMenuKey, leavePanel });
}

void MainCommands::getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info)
{
    const auto onScreen = ! screen.isAnyPanelShown();
    auto describe = [&] (const char* french, const char* english, bool active)
    {
        info.setInfo (screen.choose (french, english), {}, "Kindlebrook", 0);
        info.setActive (active);
    };

    switch (id)
    {
        case options:     describe ("Options", "Options", onScreen); info.addDefaultKeypress (',', juce::ModifierKeys::commandModifier); break;
        case setEditor:   describe ("Édition des sets", "Sets edition", onScreen); info.addDefaultKeypress ('e', juce::ModifierKeys::commandModifier); break;
        case moreSets:    describe ("Récupérer plus de sets...", "To get more sets...", onScreen); break;
        case help:        describe ("Aide", "Help", true); info.addDefaultKeypress (juce::KeyPress::F1Key, 0); break;
        case copyAdvice:  describe ("Copier le conseil en cours", "Copy the current advice", onScreen); info.addDefaultKeypress ('c', juce::ModifierKeys::commandModifier); break;
        case about:       describe ("À propos de Kindlebrook...", "About Kindlebrook...", onScreen); break;
        case newAdvice:
            describe ("Nouveau conseil", "New advice", onScreen);
            info.addDefaultKeypress (juce::KeyPress::spaceKey, 0);
            info.addDefaultKeypress (juce::KeyPress::returnKey, 0);
            break;
        case favourite:
            describe ("Favori", "Favourite", onScreen && screen.getFavouriteButton().isVisible());
            info.addDefaultKeypress ('d', juce::ModifierKeys::commandModifier);
            break;
        case openMenu:
            describe ("Menu", "Menu", onScreen);
            info.addDefaultKeypress (juce::KeyPress::F10Key, 0);
            info.addDefaultKeypress (juce::KeyPress::F10Key, juce::ModifierKeys::shiftModifier);
            break;
        case openMenuWithMenuKey:
            // The context-menu key reaches JUCE on Linux only as a key going down, never as a press.
            describe ("Menu", "Menu", onScreen);
            info.flags |= juce::ApplicationCommandInfo::wantsKeyUpDownCallbacks;
            if (contextMenuKey().isValid())
                info.defaultKeypresses.add (contextMenuKey());
            break;
        case leavePanel:
            describe ("Fermer", "Close", screen.isAnyPanelShown());
            info.addDefaultKeypress (juce::KeyPress::escapeKey, 0);
            break;
        default:
            break;
    }
}

bool MainCommands::perform (const InvocationInfo& info)
{
    switch (info.commandID)
    {
        case newAdvice:           screen.showAdvice (-1, true); return true;
        case favourite:           screen.toggleFavourite(); return true;
        case openMenu:            showMenu (&screen.getMenuButton()); return true;
        case openMenuWithMenuKey: if (info.isKeyDown) showMenu (&screen.getMenuButton()); return true;
        case leavePanel:          return screen.leavePanel();
        default:                  break;
    }

    if (info.commandID < firstTimerItem)
    {
        handleMenuResult (info.commandID);
        return true;
    }

    return false;
}

juce::String MainCommands::keyText (juce::CommandID id) const
{
    return manager.getKeyMappings()->getKeyPressesAssignedToCommand (id)[0].getTextDescription();
}

juce::PopupMenu MainCommands::buildMenu() const
{
    juce::PopupMenu timerMenu;
    const char* const timerTexts[][2] = {
        { "Désactiver", "Disabled" },
        { "5 secondes", "5 seconds" },
        { "10 secondes", "10 seconds" },
        { "30 secondes", "30 seconds" },
        { "1 minute", "1 minute" },
        { "2 minutes", "2 minutes" },
        { "5 minutes", "5 minutes" },
        { "10 minutes", "10 minutes" }
    };

    for (int i = 0; i < (int) std::size (timerPeriods); ++i)
        timerMenu.addItem (firstTimerItem + i, screen.choose (timerTexts[i][0], timerTexts[i][1]), true,
                           screen.getTimerPeriod() == timerPeriods[i]);

    auto item = [this] (juce::CommandID id)
    {
        juce::ApplicationCommandInfo info (id);
        const_cast<MainCommands*> (this)->getCommandInfo (id, info);
        juce::PopupMenu::Item entry (info.shortName);
        entry.itemID = id;
        entry.shortcutKeyDescription = keyText (id);
        return entry;
    };

    juce::PopupMenu menu;
    menu.addItem (item (options));
    menu.addSubMenu (screen.choose ("Minuterie", "Timer"), timerMenu);
    menu.addSeparator();
    menu.addItem (item (setEditor));
    menu.addItem (item (moreSets));
    menu.addSeparator();
    menu.addItem (item (help));
    menu.addItem (item (copyAdvice));
    menu.addItem (item (about));
    return menu;
}

void MainCommands::showMenu (juce::Component* target)
{
    menuLook->setColour (juce::PopupMenu::highlightedBackgroundColourId, screen.getCurrentColour());

    auto menu = buildMenu();
    menu.setLookAndFeel (menuLook.get());

    auto where = juce::PopupMenu::Options();
    // From the keyboard the menu opens by its button with its first item ready, as desktop menus do.
    if (target != nullptr)
        where = where.withTargetComponent (target).withInitiallySelectedItem (options);

    menu.showMenuAsync (where, [safeScreen = juce::Component::SafePointer<MainComponent> (&screen)] (int result)
    {
        if (safeScreen != nullptr)
            safeScreen->handleMenuResult (result);
    });
}

void MainCommands::handleMenuResult (int result)
{
    switch (result)
    {
        case options:    screen.openOptions(); return;
        case setEditor:  screen.openSetEditor(); return;
        case moreSets:   screen.openWebPage (screen.getMoreSetsAddress()); return;
        case help:       screen.openWebPage (screen.getHelpAddress()); return;
        case copyAdvice: screen.copyAdviceToClipboard(); return;
        case about:      screen.openAbout(); return;
        default:         break;
    }

    // A timer choice, or the menu dismissed: the automatic advice starts a full period again.
    if (result >= firstTimerItem && result < firstTimerItem + (int) std::size (timerPeriods))
        screen.setTimerPeriod (timerPeriods[result - firstTimerItem]);
    else
        screen.setTimerPeriod (screen.getTimerPeriod());
}
