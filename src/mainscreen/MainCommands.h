#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainComponent;

/**
    The main screen's commands on the program's command manager: each with its keys and its
    active state, and the popup menu, which shows the keys beside its items. A command that
    would act behind a panel is inactive while one is shown, so its key goes on to the panel's.
*/
class MainCommands : public juce::ApplicationCommandTarget
{
public:
    /** The menu's items keep their ids as commands; the other commands have keys only. */
    enum CommandIDs
    {
        options = 1,
        setEditor = 2,
        moreSets = 3,
        help = 4,
        copyAdvice = 5,
        about = 9,
        firstTimerItem = 10,

        newAdvice = 0x1001,
        favourite,
        openMenu,
        openMenuWithMenuKey,
        leavePanel
    };

    MainCommands (MainComponent& screen, juce::ApplicationCommandManager& manager);
    ~MainCommands() override;

    /** The commands come after these targets' (the panel shown); nullptr for none. */
    std::function<juce::ApplicationCommandTarget*()> nextTarget;

    juce::PopupMenu buildMenu() const;
    /** At the mouse, or by `target` (the menu button, for the keyboard). */
    void showMenu (juce::Component* target);
    /** Acts on a menu item id (0 for a dismissed menu). */
    void handleMenuResult (int result);

    static const int timerPeriods[8];

    /** The first key of a command as the menu shows it ("ctrl + C"); empty for none. */
    juce::String keyText (juce::CommandID) const;

    ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>&) override;
    void getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo&) override;
    bool perform (const InvocationInfo&) override;

private:
    MainComponent& screen;
    juce::ApplicationCommandManager& manager;
    std::unique_ptr<juce::LookAndFeel_V2> menuLook;

    JUCE_DECLARE_NON_COPYABLE (MainCommands)
};
