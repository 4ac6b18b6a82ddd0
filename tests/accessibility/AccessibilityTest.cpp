// What a screen reader finds: the accessibility tree of the main screen and of each panel, in a
// window on a display of its own (tests/support/on_display.sh), as JUCE builds it for one.

#include "TestSupport.h"
#include "editor/EditionComponent.h"
#include "editor/EditorCommandIDs.h"
#include "editor/SpecialColourSelector.h"
#include "look/AboutComponent.h"
#include "mainscreen/MainComponent.h"
#include "options/OptionsComponent.h"

#include <gtest/gtest.h>

namespace
{
using Handler = juce::AccessibilityHandler;
using Role = juce::AccessibilityRole;

/** The program's main screen in a window, its notices kept. */
struct Screen
{
    kbtest::TempFolder folder;
    juce::Component window;
    std::unique_ptr<MainComponent> main;
    juce::StringArray notices;

    explicit Screen (int language)
    {
        juce::String set ("KindlebrookV1 - Set file\n\nName=Alpha;\nDescription=About;\nAuthor=Someone;\nLanguage=1;\nColour=200,40,40;\n\n");
        for (int i = 0; i < 6; ++i)
            set << "Item=advice " << i << ";\nFavorite=false;\nTags=2,;\n\n";
        folder.getChildFile ("data").createDirectory();
        folder.getChildFile ("data/a.kbs").replaceWithText (set);
        folder.getChildFile ("Kindlebrook.ini").replaceWithText ("Kindlebrook V1 - Init Data File\nLanguage=" + juce::String (language)
                                                                 + ";\nLanguageSet=-1;\nSets=;\nTags=-1;\n");
        main = std::make_unique<MainComponent> (folder.getFolder());
        main->onProblem = [] (const juce::String&, const juce::String&) {};
        main->onOpenWebPage = [] (const juce::String&) {};
        main->onAnnounce = [this] (const juce::String& notice) { notices.add (notice); };
        window.setSize (500, 350);
        window.addAndMakeVisible (*main);
        window.addToDesktop (0);
        window.setVisible (true);
    }

    Handler& root() { return *window.getAccessibilityHandler(); }
    EditionComponent& editor() { return *main->getEditionPanel(); }
};

std::vector<Handler*> elementsBelow (Handler& top)
{
    std::vector<Handler*> all;
    for (auto* child : top.getChildren())
    {
        all.push_back (child);
        for (auto* below : elementsBelow (*child))
            all.push_back (below);
    }
    return all;
}

Handler* find (Handler& top, const juce::String& title)
{
    for (auto* element : elementsBelow (top))
        if (element->getTitle() == title)
            return element;
    return nullptr;
}

/** Checks what a screen reader needs of every control below `top`; gives their titles. */
juce::StringArray checkControls (Handler& top)
{
    juce::StringArray titles;
    for (auto* element : elementsBelow (top))
    {
        const auto role = element->getRole();
        if (role == Role::label || role == Role::staticText || role == Role::group)
            continue;

        const auto id = element->getComponent().getComponentID() + " " + element->getTitle();
        EXPECT_TRUE (element->getTitle().isNotEmpty()) << id;
        const auto needs = role == Role::slider ? element->getValueInterface() != nullptr
                                                : element->getActions().contains (juce::AccessibilityActionType::press);
        const auto checkable = (role != Role::toggleButton && role != Role::radioButton) || element->getCurrentState().isCheckable();
        EXPECT_TRUE (needs && checkable) << id;
        titles.add (element->getTitle());
    }
    return titles;
}

/** Every control of every screen in one language, panels and editor pages one after the other. */
juce::StringArray everyControl (int language)
{
    Screen screen (language);
    auto& main = *screen.main;
    auto titles = checkControls (screen.root());
    EXPECT_EQ (titles, language == 0 ? juce::StringArray ("Menu", "Favori", "Nouveau conseil")
                                     : juce::StringArray ("Menu", "Favourite", "New advice"));

    main.openAbout();
    titles.addArray (checkControls (*main.getAboutPanel()->getAccessibilityHandler()));
    EXPECT_EQ (elementsBelow (screen.root()).size(), 1 + 4u) << "only the panel and its links, not the screen beneath";
    main.leavePanel();

    main.openOptions();
    auto& options = *main.getOptionsPanel();
    titles.addArray (checkControls (*options.getAccessibilityHandler()));
    EXPECT_EQ (options.getSetLanguageBox().getAccessibilityHandler()->getTitle(), language == 0 ? "Langue(s) dans les sets" : "Language(s) in the sets");
    main.leavePanel();

    main.openSetEditor();
    auto& editor = screen.editor();
    editor.invokeDirectly (EditorCommandIDs::newSet, false);
    editor.invokeDirectly (EditorCommandIDs::addAdvice, false);
    for (int page : { 0, (int) EditorCommandIDs::descriptionPage, (int) EditorCommandIDs::colourPage, (int) EditorCommandIDs::tagsPage })
    {
        // Each page opens from the advice page, and its button leads back there.
        editor.invokeDirectly (page, false);
        EXPECT_EQ (editor.getCurrentPage(), page == 0 ? 0 : page - EditorCommandIDs::descriptionPage + 1);
        titles.addArray (checkControls (*editor.getAccessibilityHandler()));
        EXPECT_TRUE (editor.getAccessibilityHandler()->getTitle().isNotEmpty());
        editor.invokeDirectly (page, false);
    }
    return titles;
}
} // namespace

TEST (Accessibility, EveryControlIsNamedInTheInterfaceLanguage)
{
    const auto french = everyControl (0);
    const auto english = everyControl (1);
    ASSERT_EQ (french.size(), english.size()) << english.joinIntoString ("|");
    EXPECT_GT (english.size(), 30);

    // A control left out of a language switch keeps one name in both (these are the same words).
    const juce::StringArray sameInBoth { "Menu", "OK", "Description", "Tags", "Interface", "Kindlebrook", // a tag
                                         "cyan", "orange", "indigo", "violet", "magenta", "fuchsia" };
    for (int i = 0; i < english.size(); ++i)
        EXPECT_TRUE (french[i] != english[i] || sameInBoth.contains (english[i])) << english[i];
}

TEST (Accessibility, TheScreenTellsOfANewAdviceAndAFavourite)
{
    Screen screen (1);
    auto& main = *screen.main;

    // Tab goes from the advice, where the focus rests, to the three buttons in reading order.
    const auto stops = screen.window.createKeyboardFocusTraverser()->getAllComponents (&screen.window);
    EXPECT_EQ (stops, (std::vector<juce::Component*> { stops.front(), &main.getMenuButton(), &main.getFavouriteButton(), &main.getNewAdviceButton() }));
    EXPECT_EQ (stops.front()->getAccessibilityHandler()->getValueInterface()->getCurrentValueAsString(), main.getAdviceText());

    find (screen.root(), "New advice")->getActions().invoke (juce::AccessibilityActionType::press);
    kbtest::pumpMessages();
    main.keyPressed (juce::KeyPress (juce::KeyPress::spaceKey));
    main.timerCallback (1);
    ASSERT_EQ (screen.notices.size(), 3);
    EXPECT_EQ (screen.notices[2], main.getAdviceText());
    EXPECT_NE (screen.notices[0], screen.notices[1]);

    auto* star = find (screen.root(), "Favourite");
    star->getActions().invoke (juce::AccessibilityActionType::toggle);
    EXPECT_TRUE (star->getCurrentState().isChecked() && main.getFavouriteButton().getOnState() == 1);
    EXPECT_EQ (screen.notices[3], "Marked as a favourite");
    main.keyPressed (juce::KeyPress ('d', juce::ModifierKeys::ctrlModifier, 0));
    EXPECT_FALSE (star->getCurrentState().isChecked());
}

TEST (Accessibility, TheWheelTagsAndColoursWorkThroughTheirHandlers)
{
    Screen screen (1);
    screen.main->openSetEditor();
    auto& editor = screen.editor();
    editor.invokeDirectly (EditorCommandIDs::newSet, false);
    editor.invokeDirectly (EditorCommandIDs::addAdvice, false);
    editor.invokeDirectly (EditorCommandIDs::addAdvice, false);

    auto* wheel = find (*editor.getAccessibilityHandler(), "Advice of the set");
    ASSERT_NE (wheel, nullptr);
    auto* value = wheel->getValueInterface();
    EXPECT_EQ (value->getCurrentValueAsString(), "3 of 3");
    value->setValue (value->getCurrentValue() - value->getRange().getInterval());
    kbtest::pumpMessages();
    EXPECT_EQ (value->getCurrentValueAsString(), "2 of 3");

    // The tags of the advice shown: a category by its tab, a tag by its toggle.
    editor.invokeDirectly (EditorCommandIDs::tagsPage, false);
    find (*editor.getAccessibilityHandler(), "Function")->getActions().invoke (juce::AccessibilityActionType::press);
    auto* tag = find (*editor.getAccessibilityHandler(), screen.main->getTagCatalogue().getTagName (101));
    ASSERT_NE (tag, nullptr);
    EXPECT_FALSE (tag->getCurrentState().isChecked());
    EXPECT_EQ (tag->getHelp(), screen.main->getTagCatalogue().getTagDescription (101));
    tag->getActions().invoke (juce::AccessibilityActionType::toggle);
    kbtest::pumpMessages();
    EXPECT_TRUE (tag->getCurrentState().isChecked());
    EXPECT_TRUE (editor.getCurrentSet()->getItemTagsString (1).contains ("101,"));

    // A colour by its name; the one chosen is checked and becomes the set's.
    editor.invokeDirectly (EditorCommandIDs::tagsPage, false);
    editor.invokeDirectly (EditorCommandIDs::colourPage, false);
    auto* blue = find (*editor.getAccessibilityHandler(), "royal blue");
    ASSERT_NE (blue, nullptr);
    EXPECT_FALSE (blue->getCurrentState().isChecked());
    auto& colours = dynamic_cast<SpecialColourSelector&> (*editor.findChildWithID ("colourSelector"));
    colours.getSquare (colours.getSelectedIndex()).grabKeyboardFocus();
    blue->getActions().invoke (juce::AccessibilityActionType::press);
    kbtest::pumpMessages();
    EXPECT_TRUE (blue->getCurrentState().isChecked() && blue->getRole() == Role::radioButton);
    EXPECT_TRUE (blue->getComponent().hasKeyboardFocus (false)) << "the keyboard's place follows the choice";
    EXPECT_EQ (editor.getCurrentSet()->getColour(), juce::Colours::red.withHue (20 * 0.03125f));
}
