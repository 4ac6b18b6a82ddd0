#include "SmallFileSystem.h"
#include "TestSupport.h"
#include "advice/TagCatalogue.h"
#include "look/AboutComponent.h"
#include "options/OptionsComponent.h"
#include "mainscreen/ColourFade.h"
#include "mainscreen/MainComponent.h"
#include "mainscreen/ShuffleBag.h"
#include "widgets/SpecialButton.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
juce::String setFileText (const juce::String& name, int language, juce::Colour colour, const juce::StringArray& items)
{
    juce::String text;
    text << "KindlebrookV1 - Set file\n\nName=" << name << ";\nDescription=About " << name
         << ";\nAuthor=Author of " << name << ";\nLanguage=" << language << ";\nColour="
         << (int) colour.getRed() << "," << (int) colour.getGreen() << "," << (int) colour.getBlue() << ";\n\n";

    for (auto& item : items)
        text << "Item=" << item << ";\nFavorite=false;\nTags=2,406,;\n\n";

    return text;
}

/** A folder standing for the executable's, with a data folder of sets beside it. */
struct ProgramFolder
{
    kbtest::TempFolder temp;

    juce::File data() const { return temp.getChildFile ("data"); }
    juce::File settings() const { return temp.getChildFile ("Kindlebrook.ini"); }

    void addSet (const juce::String& fileName, const juce::String& name, int language, juce::Colour colour, const juce::StringArray& items) const
    {
        data().createDirectory();
        data().getChildFile (fileName).replaceWithText (setFileText (name, language, colour, items));
    }

    void writeSettings (const juce::String& text) const { settings().replaceWithText (text); }
    /** Advice of both languages, as a first start no longer shows them. */
    void showAllLanguages() const { writeSettings ("Kindlebrook V1 - Init Data File\nLanguage=1;\nLanguageSet=-1;\nSets=;\nTags=-1;\n"); }
};

juce::StringArray numbered (const juce::String& prefix, int count)
{
    juce::StringArray items;
    for (int i = 0; i < count; ++i)
        items.add (prefix + " " + juce::String (i).paddedLeft ('0', 2));
    return items;
}

std::unique_ptr<MainComponent> makeMain (const ProgramFolder& folder)
{
    auto main = std::make_unique<MainComponent> (folder.temp.getFolder());
    main->onProblem = [] (const juce::String&, const juce::String&) {};
    main->onQuitProblem = [] (const juce::String&, const juce::String&, std::function<void (bool)> answer) { answer (true); };
    main->onOpenWebPage = [] (const juce::String&) {};
    return main;
}

void runFade (MainComponent& main, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        main.timerCallback (0);
}
} // namespace

//==============================================================================
TEST (ShuffleBag, DrawsEveryIndexOncePerCycleAndRestartsWhenTheSizeChanges)
{
    ShuffleBag bag;
    EXPECT_EQ (bag.next (0), 0);
    EXPECT_EQ (bag.next (-3), 0);

    for (int cycle = 0; cycle < 3; ++cycle)
    {
        std::set<int> seen;
        for (int i = 0; i < 7; ++i)
            seen.insert (bag.next (7));

        EXPECT_EQ (seen.size(), 7u);
        EXPECT_EQ (*seen.begin(), 0);
        EXPECT_EQ (*seen.rbegin(), 6);
    }

    bag.next (7);
    EXPECT_EQ (bag.getRemaining(), 6);
    const auto first = bag.next (3);
    EXPECT_TRUE (first >= 0 && first < 3);
    EXPECT_EQ (bag.getRemaining(), 2);

    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (bag.next (1), 0);
}

//==============================================================================
TEST (MainComponentSettings, AFirstStartWritesTheStartValuesAsUtf16)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, numbered ("alpha", 3));
    {
        auto main = makeMain (folder);
        EXPECT_EQ (main->getWidth(), 500);
        EXPECT_EQ (main->getHeight(), 350);
        ASSERT_TRUE (folder.settings().existsAsFile());

        juce::MemoryBlock bytes;
        folder.settings().loadFileAsData (bytes);
        ASSERT_GE (bytes.getSize(), 2u);
        EXPECT_EQ ((juce::uint8) bytes[0], 0xFF);
        EXPECT_EQ ((juce::uint8) bytes[1], 0xFE);
        // The desktop speaks English (the tests run under LANG=C): English advice only.
        EXPECT_EQ (folder.settings().loadFileAsString(),
                   "Kindlebrook V1 - Init Data File\r\nLanguage=1;\r\nLanguageSet=1;\r\nSets=;\r\nTags=-1;\r\n"
                   "LastItem=-1;\r\nLookForFavorites=false;\r\nTimer=0;\r\n");
    }

    // Quitting records the advice shown.
    const auto saved = folder.settings().loadFileAsString();
    EXPECT_TRUE (saved.contains ("LastItem=0;") || saved.contains ("LastItem=1;") || saved.contains ("LastItem=2;")) << saved;

    // A French desktop starts in French, with French advice.
    folder.settings().deleteFile();
    kbtest::setDesktopLanguage ("fr_CA.UTF-8");
    auto french = makeMain (folder);
    kbtest::setDesktopLanguage ("C");
    EXPECT_EQ (french->getLanguage(), 0);
    EXPECT_EQ (french->getLanguageSet(), 0);
    TagCatalogue inFrench;
    inFrench.rebuild (false);
    EXPECT_EQ (french->getTagCatalogue().getTagName (2), inFrench.getTagName (2));
}

TEST (MainComponentSettings, ReadsValuesAsTheyStandAndFallsBackWhereTheyDoNot)
{
    ProgramFolder folder;
    folder.addSet ("Demo.kbs", "Demo", 0, juce::Colours::blue, numbered ("demo", 4));
    folder.addSet ("other.kbs", "Other", 1, juce::Colours::green, numbered ("other", 4));

    folder.writeSettings ("Kindlebrook V1 - Init Data File\nLanguage=0;\nLanguageSet=1;\nSets= demo.KBS;\nTags=406;\n"
                          "LastItem=2;\nLookForFavorites=True;\nTimer= 30;\n");
    {
        auto main = makeMain (folder);
        EXPECT_EQ (main->getLanguage(), 0);
        EXPECT_EQ (main->getLanguageSet(), 1);
        EXPECT_EQ (main->getSets(), " demo.KBS"); // kept as written: names no set, so the pool is empty
        EXPECT_EQ (main->getTags(), 406);
        EXPECT_FALSE (main->getLookForFavorites());
        EXPECT_EQ (main->getTimerPeriod(), 30);
        EXPECT_EQ (main->getSetLibrary().getPoolSize(), 0);
        EXPECT_TRUE (main->getAdviceText().startsWith ("Aucun conseil"));
        EXPECT_FALSE (main->getFavouriteButton().isVisible());
        EXPECT_EQ (main->getCurrentColour(), juce::Colour (0xFFD3D3D3));
        EXPECT_EQ (main->getTagCatalogue().getTagName (406), juce::String (juce::CharPointer_UTF8 ("M\xc3\xa9lodie")));
    }

    folder.writeSettings ("Language=1;\nLanguageSet=-1;\nSets=Demo.kbs;\nTags=-1;\nLastItem=2;\nLookForFavorites=true;\nTimer=30 ;\n");
    {
        auto main = makeMain (folder);
        EXPECT_TRUE (main->getLookForFavorites());
        EXPECT_EQ (main->getTimerPeriod(), 30);
    }

    // A key above the one it follows is not found; absent keys keep their start values.
    folder.writeSettings ("Timer=60;\nLanguage=0;\nSets=Demo.kbs;\n");
    {
        auto main = makeMain (folder);
        EXPECT_EQ (main->getTimerPeriod(), 0);
        EXPECT_EQ (main->getLanguage(), 0);
        EXPECT_EQ (main->getLanguageSet(), -1);
        EXPECT_EQ (main->getSets(), "Demo.kbs");
        EXPECT_EQ (main->getTags(), -1);
        EXPECT_EQ (main->getSetLibrary().getPoolSize(), 4);
        EXPECT_EQ (main->getSetNameText(), "Demo");
    }

    folder.writeSettings ("");
    {
        auto main = makeMain (folder);
        EXPECT_EQ (main->getLanguage(), 1);
        EXPECT_EQ (main->getSetLibrary().getPoolSize(), 8);
    }

    folder.writeSettings ("Language=1;\nLanguageSet=-1;\nSets=;\nTags=-1;\nLastItem=3;\nLookForFavorites=false;\nTimer=-5;\n");
    {
        auto main = makeMain (folder);
        EXPECT_EQ (main->getTimerPeriod(), 0);
    }
    EXPECT_TRUE (folder.settings().loadFileAsString().contains ("Timer=0;"));
}

TEST (MainComponentSettings, TheLastAdviceComesBackAtTheNextStart)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, numbered ("alpha", 10));

    juce::String shown;
    {
        auto main = makeMain (folder);
        main->getNewAdviceButton().triggerClick();
        kbtest::pumpMessages (30);
        shown = main->getAdviceText();
    }
    {
        auto main = makeMain (folder);
        EXPECT_EQ (main->getAdviceText(), shown);
    }

    // An index outside the pool shows its first advice.
    folder.writeSettings ("Language=1;\nLanguageSet=-1;\nSets=;\nTags=-1;\nLastItem=99;\nLookForFavorites=false;\nTimer=0;\n");
    auto main = makeMain (folder);
    EXPECT_EQ (main->getCurrentIndex(), 0);
    EXPECT_EQ (main->getAdviceText(), "alpha 00");
}

//==============================================================================
TEST (MainComponentAdvice, NewAdviceNeverRepeatsWithinACycle)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, numbered ("alpha", 6));
    folder.addSet ("b.kbs", "Beta", 0, juce::Colours::blue, numbered ("beta", 5));
    folder.showAllLanguages();
    auto main = makeMain (folder);
    ASSERT_EQ (main->getSetLibrary().getPoolSize(), 11);

    // The advice shown at start counts as drawn: ten clicks end that cycle, all different from it.
    std::set<juce::String> firstCycle { main->getAdviceText() };
    for (int i = 0; i < 10; ++i)
    {
        main->getNewAdviceButton().triggerClick();
        kbtest::pumpMessages (1);
        firstCycle.insert (main->getAdviceText());
    }
    EXPECT_EQ (firstCycle.size(), 11u);

    for (int cycle = 0; cycle < 3; ++cycle)
    {
        std::set<juce::String> seen;
        for (int i = 0; i < 11; ++i)
        {
            main->getNewAdviceButton().triggerClick();
            kbtest::pumpMessages (1);
            seen.insert (main->getAdviceText());
        }
        EXPECT_EQ (seen.size(), 11u);
    }
}

TEST (MainComponentAdvice, ShowsTheSetNameAuthorAndColourOfTheAdvice)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colour (0xFF00C0FF), { "only advice" });
    auto main = makeMain (folder);

    EXPECT_EQ (main->getAdviceText(), "only advice");
    EXPECT_EQ (main->getSetNameText(), "Alpha");
    EXPECT_EQ (main->getAuthorText(), "Author of Alpha");
    EXPECT_EQ (main->getCurrentColour(), juce::Colour (0xFF00C0FF));
    EXPECT_TRUE (main->getFavouriteButton().isVisible());

    // The ring: a 16-pixel stroke round (80, 50, 340, 190) in the set's colour.
    auto image = kbtest::renderComponent (*main);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (250, 50), juce::Colour (0xFF00C0FF)));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (80, 145), juce::Colour (0xFF00C0FF)));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (250, 240), juce::Colour (0xFF00C0FF)));
    EXPECT_EQ (image.getPixelAt (5, 5), juce::Colours::black);
    EXPECT_EQ (image.getPixelAt (250, 25), juce::Colours::black);

    EXPECT_EQ (main->getMenuButton().getBounds(), juce::Rectangle<int> (20, 295, 42, 52));
    EXPECT_EQ (main->getFavouriteButton().getBounds(), juce::Rectangle<int> (393, 295, 42, 52));
    EXPECT_EQ (main->getNewAdviceButton().getBounds(), juce::Rectangle<int> (445, 295, 42, 52));

    for (int i = 0; i < 5; ++i)
    {
        main->showAdvice (-1, true);
        EXPECT_EQ (main->getAdviceText(), "only advice");
    }
}

TEST (MainComponentAdvice, TheColourWaitsTwoSecondsThenFadesTheShortWayRound)
{
    ProgramFolder folder;
    const auto from = juce::Colour::fromHSV (0.9f, 1.0f, 1.0f, 1.0f);
    const auto to = juce::Colour::fromHSV (0.1f, 1.0f, 1.0f, 1.0f);
    folder.addSet ("a.kbs", "From", 1, from, { "first" });
    folder.addSet ("b.kbs", "To", 1, to, { "second" });
    folder.writeSettings ("Language=1;\nLanguageSet=-1;\nSets=a.kbs;\nTags=-1;\nLastItem=0;\nLookForFavorites=false;\nTimer=0;\n");
    auto main = makeMain (folder);
    ASSERT_EQ (main->getCurrentColour(), from);

    // Switch the pool to the other set and fade to it.
    main->getSetLibrary().buildPool (-1, "b.kbs", -1, 0);
    main->showAdvice (0, true);
    EXPECT_EQ (main->getAdviceText(), "second");

    runFade (*main, 20);
    EXPECT_EQ (main->getCurrentColour(), from);

    bool passedRed = false;
    for (int tick = 21; tick <= 30; ++tick)
    {
        runFade (*main, 1);
        const auto hue = main->getCurrentColour().getHue();
        const auto distanceToRed = juce::jmin (hue, 1.0f - hue);
        EXPECT_LE (distanceToRed, 0.1f + 0.01f) << "tick " << tick << " hue " << hue;
        if (tick == 25)
        {
            EXPECT_NEAR (distanceToRed, 0.0f, 0.01f);
        }
        passedRed = passedRed || distanceToRed < 0.02f;
    }
    EXPECT_TRUE (passedRed);
    EXPECT_TRUE (kbtest::coloursClose (main->getCurrentColour(), to));
    EXPECT_FALSE (main->isTimerRunning (0));

    // The buttons follow the ring.
    auto image = kbtest::renderComponent (*main);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (250, 50), to, 3));
}

TEST (ColourFade, EachTickFollowsTheShortWayAndEndsOnTheTarget)
{
    const auto from = juce::Colour::fromHSV (0.1f, 0.2f, 1.0f, 1.0f), to = juce::Colour::fromHSV (0.9f, 1.0f, 0.6f, 1.0f);
    EXPECT_EQ (ColourFade::colourAt (from, to, 20), from);
    const auto half = ColourFade::colourAt (from, to, 25);
    EXPECT_NEAR (juce::jmin (half.getHue(), 1.0f - half.getHue()), 0.0f, 0.01f); // through red, not green
    EXPECT_NEAR (half.getSaturation(), 0.6f, 0.02f);
    EXPECT_NEAR (half.getBrightness(), 0.8f, 0.02f);
    EXPECT_TRUE (kbtest::coloursClose (ColourFade::colourAt (from, to, 30), to));
    EXPECT_TRUE (kbtest::coloursClose (ColourFade::colourAt (from, to, 99), to));

    ColourFade fade;
    fade.jumpTo (from);
    EXPECT_TRUE (fade.startTowards (to));
    EXPECT_FALSE (fade.startTowards (to)); // already on its way: the fade goes on
    int ticks = 1;
    while (fade.tick())
        ++ticks;
    EXPECT_EQ (ticks, 30);
    EXPECT_EQ (fade.getColour(), ColourFade::colourAt (from, to, 30));
}

TEST (MainComponentAdvice, FavouriteMarksReachTheSetFile)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, { "keep me" });
    auto main = makeMain (folder);

    auto& star = main->getFavouriteButton();
    EXPECT_EQ (star.getOnState(), 0);
    star.triggerClick();
    kbtest::pumpUntil ([&] { return star.getOnState() == 1; });
    EXPECT_EQ (star.getOnState(), 1);

    const auto file = folder.data().getChildFile ("a.kbs");
    EXPECT_TRUE (file.loadFileAsString().contains ("Item=keep me;\r\nFavorite=true;"));

    star.triggerClick();
    kbtest::pumpUntil ([&] { return star.getOnState() == 0; });
    EXPECT_TRUE (file.loadFileAsString().contains ("Favorite=false;"));
}

TEST (MainComponentAdvice, AFavouriteThatCannotBeStoredIsReportedAndNotShown)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, { "keep me" });
    auto main = makeMain (folder);

    juce::StringArray problems;
    main->onProblem = [&] (const juce::String& title, const juce::String& message) { problems.add (title + ": " + message); };

    // A folder where the set file was makes the file impossible to replace.
    const auto file = folder.data().getChildFile ("a.kbs");
    ASSERT_TRUE (file.deleteFile());
    ASSERT_TRUE (file.createDirectory());

    main->getFavouriteButton().triggerClick();
    kbtest::pumpUntil ([&] { return ! problems.isEmpty(); });
    ASSERT_EQ (problems.size(), 1);
    EXPECT_TRUE (problems[0].contains ("Alpha")) << problems[0];
    EXPECT_EQ (main->getFavouriteButton().getOnState(), 0);
}

TEST (MainComponentAdvice, TheStarFollowsAnAdviceOfASetWithoutANameAndAnImmediateChangeStopsTheFade)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, { "named" });
    folder.data().getChildFile ("b.kbs").replaceWithText ("KindlebrookV1 - Set file\n\nColour=0,0,255;\n\nItem=nameless;\nFavorite=false;\n");
    folder.showAllLanguages();
    auto main = makeMain (folder);
    main->showAdvice (0, false);
    ASSERT_EQ (main->getAdviceText(), "named");
    main->toggleFavourite();
    main->showAdvice (1, true);
    EXPECT_EQ (main->getFavouriteButton().getOnState(), 0);
    main->toggleFavourite();
    EXPECT_TRUE (main->getSetLibrary().isPoolFavourite (1) && main->getSetLibrary().isPoolFavourite (0));

    runFade (*main, 25); // halfway from red to blue, when the options bring a new pool
    main->showAdvice (1, false);
    EXPECT_EQ (main->getCurrentColour(), juce::Colours::blue);
    EXPECT_FALSE (main->isTimerRunning (0));
}

TEST (MainComponentSettings, AFailedWriteAtOptionsOkIsTold)
{
    ProgramFolder folder;
    folder.settings().createDirectory(); // cannot be replaced by a file
    auto main = makeMain (folder);
    juce::StringArray problems;
    main->onProblem = [&] (const juce::String& title, const juce::String&) { problems.add (title); };
    main->handleMenuResult (1);
    main->actionListenerCallback ("OptionsOK");
    EXPECT_EQ (problems, juce::StringArray ("Settings not saved"));
}

TEST (MainComponentAdvice, FavouritesOnlyHidesTheStar)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, { "one", "two" });
    auto main = makeMain (folder);
    main->getFavouriteButton().triggerClick();
    kbtest::pumpUntil ([&] { return main->getFavouriteButton().getOnState() == 1; });
    const auto favourite = main->getAdviceText();

    // The settings are written at quit: change them once the program is gone.
    main.reset();
    folder.writeSettings ("Language=1;\nLanguageSet=-1;\nSets=;\nTags=-1;\nLastItem=-1;\nLookForFavorites=true;\nTimer=0;\n");
    main = makeMain (folder);
    EXPECT_EQ (main->getSetLibrary().getPoolSize(), 1);
    EXPECT_EQ (main->getAdviceText(), favourite);
    EXPECT_FALSE (main->getFavouriteButton().isVisible());
}

//==============================================================================
TEST (MainComponentMenu, TimerChoicesAndTicksFollowTheInterfaceLanguage)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, numbered ("alpha", 3));
    folder.writeSettings ("Language=2;\nLanguageSet=-1;\nSets=;\nTags=-1;\nLastItem=-1;\nLookForFavorites=false;\nTimer=45;\n");
    auto main = makeMain (folder);
    EXPECT_EQ (main->getTimerPeriod(), 45);
    EXPECT_TRUE (main->isTimerRunning (1));
    EXPECT_EQ (main->getTimerInterval (1), 45000);
    EXPECT_EQ (main->getTagCatalogue().getTagName (406), "Melody"); // any language but 0 is English, tags too

    auto collect = [] (const juce::PopupMenu& menu)
    {
        juce::StringArray texts, ticked;
        for (juce::PopupMenu::MenuItemIterator it (menu, true); it.next();)
        {
            auto& item = it.getItem();
            texts.add (item.text);
            if (item.isTicked)
                ticked.add (item.text);
        }
        return std::make_pair (texts, ticked);
    };

    auto [texts, ticked] = collect (main->buildMenu());
    EXPECT_TRUE (texts.contains ("Copy the current advice"));
    EXPECT_TRUE (texts.contains ("5 seconds"));
    EXPECT_TRUE (ticked.isEmpty());

    main->handleMenuResult (16); // 5 minutes
    EXPECT_EQ (main->getTimerPeriod(), 300);
    EXPECT_EQ (main->getTimerInterval (1), 300000);
    ticked = collect (main->buildMenu()).second;
    EXPECT_EQ (ticked, juce::StringArray ("5 minutes"));

    main->handleMenuResult (10);
    EXPECT_FALSE (main->isTimerRunning (1));

    main->handleMenuResult (11);
    main->handleMenuResult (2); // the set editor rebuilds the catalogue in the same language
    EXPECT_EQ (main->getTagCatalogue().getTagName (406), "Melody");
    main.reset();
    EXPECT_TRUE (folder.settings().loadFileAsString().contains ("Timer=5;"));

    folder.writeSettings ("Language=0;\nLanguageSet=-1;\nSets=;\nTags=-1;\nLastItem=-1;\nLookForFavorites=false;\nTimer=30;\n");
    main = makeMain (folder);
    std::tie (texts, ticked) = collect (main->buildMenu());
    EXPECT_TRUE (texts.contains (juce::String (juce::CharPointer_UTF8 ("\xc3\x89" "dition des sets"))));
    EXPECT_EQ (ticked, juce::StringArray ("30 secondes"));
}

TEST (MainComponentMenu, TheAutomaticAdviceWaitsWhileAPanelIsShown)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, numbered ("alpha", 40));
    auto main = makeMain (folder);
    main->handleMenuResult (11);

    const auto before = main->getCurrentIndex();
    main->handleMenuResult (9); // about panel
    for (int i = 0; i < 5; ++i)
        main->timerCallback (1);
    EXPECT_EQ (main->getCurrentIndex(), before);
    EXPECT_TRUE (main->isTimerRunning (1));

    main->actionListenerCallback ("AboutExit");
    juce::StringArray seen;
    for (int i = 0; i < 5; ++i)
    {
        main->timerCallback (1);
        seen.addIfNotAlreadyThere (main->getAdviceText());
    }
    EXPECT_EQ (seen.size(), 5);
}

TEST (MainComponentKeys, F1OpensTheHelpPageOnlyWithoutModifiers)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, { "one" });
    auto main = makeMain (folder);
    juce::StringArray opened;
    main->onOpenWebPage = [&] (const juce::String& address) { opened.add (address); };

    EXPECT_TRUE (main->keyPressed (juce::KeyPress (juce::KeyPress::F1Key)));
    EXPECT_TRUE (main->keyPressed (juce::KeyPress (juce::KeyPress::F1Key), &main->getNewAdviceButton()));
    EXPECT_FALSE (main->keyPressed (juce::KeyPress (juce::KeyPress::F1Key, juce::ModifierKeys::shiftModifier, 0)));
    EXPECT_FALSE (main->keyPressed (juce::KeyPress (juce::KeyPress::F1Key, juce::ModifierKeys::ctrlModifier, 0)));
    EXPECT_FALSE (main->keyPressed (juce::KeyPress (juce::KeyPress::F1Key, juce::ModifierKeys::altModifier, 0)));
    EXPECT_FALSE (main->keyPressed (juce::KeyPress ('a')));

    const auto page = HelpPages::fileAddress (folder.temp.getChildFile ("help/en.html"));
    EXPECT_EQ (opened, juce::StringArray (page, page));

    main->handleMenuResult (3); // To get more sets...
    main->handleMenuResult (4); // Help
    EXPECT_EQ (opened[2], page + "#sets");
    EXPECT_EQ (opened[3], page);
}

TEST (MainComponentKeys, TheHelpFollowsTheInterfaceLanguage)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 0, juce::Colours::red, { "un" });
    folder.writeSettings ("Kindlebrook V1 - Init Data File\nLanguage=0;\nLanguageSet=-1;\nSets=;\nTags=-1;\n");
    auto main = makeMain (folder);
    juce::StringArray opened;
    main->onOpenWebPage = [&] (const juce::String& address) { opened.add (address); };

    main->keyPressed (juce::KeyPress (juce::KeyPress::F1Key));
    main->handleMenuResult (3);
    main->handleMenuResult (9); // the about panel leads to the same page

    const auto page = HelpPages::fileAddress (folder.temp.getChildFile ("help/fr.html"));
    EXPECT_EQ (opened, juce::StringArray (page, page + "#sets"));
    ASSERT_NE (main->getAboutPanel(), nullptr);
    EXPECT_EQ (main->getAboutPanel()->getLinkAddress (3), page + "#source");
}

TEST (MainComponentKeys, CtrlCSpaceAndReturnActOnlyWhileNoPanelIsShown)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, numbered ("alpha", 30));
    auto main = makeMain (folder);
    const juce::KeyPress ctrlC ('c', juce::ModifierKeys::ctrlModifier, 0), space (juce::KeyPress::spaceKey);
    EXPECT_TRUE (main->keyPressed (ctrlC, &main->getFavouriteButton()));
    std::set<int> seen { main->getCurrentIndex() };
    for (auto key : { space, juce::KeyPress (juce::KeyPress::returnKey) })
        EXPECT_TRUE (main->keyPressed (key) && seen.insert (main->getCurrentIndex()).second);

    main->handleMenuResult (9); // about panel
    EXPECT_FALSE (main->keyPressed (space) || main->keyPressed (ctrlC));
    EXPECT_EQ (seen.count (main->getCurrentIndex()), 1u);

    // Escape leaves it; the favourite, the menu and the options then have their keys again.
    const juce::KeyPress escape (juce::KeyPress::escapeKey), ctrlD ('d', juce::ModifierKeys::ctrlModifier, 0);
    auto isActive = [&] (juce::CommandID id)
    {
        juce::ApplicationCommandInfo info (id);
        return main->getCommandManager().getTargetForCommand (id, info) != nullptr
            && (info.flags & juce::ApplicationCommandInfo::isDisabled) == 0;
    };
    EXPECT_FALSE (isActive (MainCommands::openMenu) || isActive (MainCommands::favourite));
    EXPECT_TRUE (main->keyPressed (escape));
    EXPECT_FALSE (main->isAnyPanelShown());
    EXPECT_FALSE (main->keyPressed (escape));
    EXPECT_TRUE (isActive (MainCommands::openMenu) && isActive (MainCommands::options));
    EXPECT_TRUE (main->keyPressed (ctrlD) && main->getFavouriteButton().getOnState() == 1);

    // The options' Escape is their Cancel: a filter tried in the panel is dropped.
    EXPECT_TRUE (main->keyPressed (juce::KeyPress (',', juce::ModifierKeys::ctrlModifier, 0)));
    main->getOptionsPanel()->setLanguageSet (0);
    EXPECT_TRUE (main->keyPressed (escape));
    EXPECT_EQ (main->getLanguageSet(), 1);

    // The menu shows each item's key, as the command table has it.
    juce::StringArray shortcuts;
    const auto menu = main->buildMenu();
    for (juce::PopupMenu::MenuItemIterator item (menu); item.next();)
        shortcuts.add (item.getItem().shortcutKeyDescription);
    EXPECT_EQ (shortcuts.joinIntoString ("|"), "ctrl + ,|||ctrl + E|||F1|ctrl + C|"); // separators between
}

//==============================================================================
TEST (MainComponentSettings, TwoCopiesKeepEachOthersChoices)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, numbered ("alpha", 3));
    auto first = makeMain (folder);
    auto second = makeMain (folder);

    first->handleMenuResult (16); // 5 minutes
    first.reset();
    ASSERT_TRUE (folder.settings().loadFileAsString().contains ("Timer=300;"));

    // The second copy never touched the timer: quitting keeps the first one's choice.
    EXPECT_TRUE (second->isReadyToQuit());
    second.reset();
    EXPECT_TRUE (folder.settings().loadFileAsString().contains ("Timer=300;"));

    auto third = makeMain (folder);
    EXPECT_EQ (third->getTimerPeriod(), 300);
    auto fourth = makeMain (folder);
    fourth->handleMenuResult (11); // 5 seconds, a later choice than the third's
    third->handleMenuResult (12);
    fourth.reset();
    third.reset();
    EXPECT_TRUE (folder.settings().loadFileAsString().contains ("Timer=10;")) << "the choice made last wins";

    // What is no settings file speaks for no copy: this one's values are written over it.
    auto fifth = makeMain (folder);
    folder.writeSettings ("Kindlebrook V1 - Init Data File\nLanguage=0;\nLanguageSet=-1;\nSets=;\nTa");
    fifth.reset();
    EXPECT_TRUE (folder.settings().loadFileAsString().contains ("Language=1;"));
    EXPECT_TRUE (folder.settings().loadFileAsString().contains ("Timer=10;"));
}

TEST (MainComponentSettings, ClosingToldOfSettingsThatCannotBeWritten)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, { "one" });
    auto main = makeMain (folder);
    ASSERT_TRUE (folder.settings().deleteFile());
    ASSERT_TRUE (folder.settings().createDirectory()); // cannot be replaced by a file

    juce::StringArray asked;
    bool answer = false;
    main->onQuitProblem = [&] (const juce::String& title, const juce::String& message, std::function<void (bool)> reply)
    {
        asked.add (title + ": " + message);
        reply (answer);
    };

    EXPECT_FALSE (main->isReadyToQuit()) << "the user chose to stay";
    ASSERT_EQ (asked.size(), 1);
    EXPECT_TRUE (asked[0].startsWith ("Settings not saved: ")) << asked[0];
    EXPECT_TRUE (asked[0].contains (folder.settings().getFullPathName()));

    // Room made: the next try closes without a question.
    ASSERT_TRUE (folder.settings().deleteRecursively());
    EXPECT_TRUE (main->isReadyToQuit());
    EXPECT_EQ (asked.size(), 1);
    EXPECT_TRUE (folder.settings().existsAsFile());

    ASSERT_TRUE (folder.settings().deleteFile());
    ASSERT_TRUE (folder.settings().createDirectory());
    answer = true;
    EXPECT_FALSE (main->isReadyToQuit()) << "asked, and the answer comes to the next try";
    EXPECT_TRUE (main->isReadyToQuit());
    EXPECT_EQ (asked.size(), 2);
}

TEST (MainComponentSettings, EveryWriteOnAFullDiskIsToldAndKeepsTheOldFiles)
{
    if (const auto why = kbtest::SmallFileSystem::whyUnavailable(); why.isNotEmpty())
        GTEST_SKIP() << why;

    for (bool mayMount : { true, false })
    {
        kbtest::SmallFileSystem disk (64, mayMount);
        SCOPED_TRACE (disk.describe());
        const auto data = disk.getChildFile ("data");
        data.createDirectory();
        ASSERT_TRUE (data.getChildFile ("a.kbs").replaceWithText (setFileText ("Alpha", 1, juce::Colours::red, numbered ("alpha", 40))));

        auto main = std::make_unique<MainComponent> (disk.getFolder());
        juce::StringArray told;
        main->onProblem = [&] (const juce::String& title, const juce::String&) { told.add (title); };
        main->onQuitProblem = [&] (const juce::String& title, const juce::String&, std::function<void (bool)> answer)
        {
            told.add (title);
            answer (true);
        };
        main->onOpenWebPage = [] (const juce::String&) {};

        juce::MemoryBlock setBefore, settingsBefore;
        data.getChildFile ("a.kbs").loadFileAsData (setBefore);
        disk.getChildFile ("Kindlebrook.ini").loadFileAsData (settingsBefore);
        ASSERT_GT (settingsBefore.getSize(), 0u);

        disk.leaveFree (32);
        main->getFavouriteButton().triggerClick();
        kbtest::pumpUntil ([&] { return ! told.isEmpty(); });
        main->handleMenuResult (16);
        main->handleMenuResult (1);
        main->actionListenerCallback ("OptionsOK");
        EXPECT_FALSE (main->isReadyToQuit());
        EXPECT_TRUE (main->isReadyToQuit()); // the user answered Quit
        disk.makeRoom();

        EXPECT_EQ (told, juce::StringArray ({ "Favourite not saved", "Settings not saved", "Settings not saved" }));
        EXPECT_EQ (main->getFavouriteButton().getOnState(), 0);
        juce::MemoryBlock setAfter, settingsAfter;
        data.getChildFile ("a.kbs").loadFileAsData (setAfter);
        disk.getChildFile ("Kindlebrook.ini").loadFileAsData (settingsAfter);
        EXPECT_TRUE (setAfter == setBefore);
        EXPECT_TRUE (settingsAfter == settingsBefore);
        // No temporary file beside either (the sets' lock file may be there).
        EXPECT_EQ (data.getNumberOfChildFiles (juce::File::findFiles, "*.kbs"), 1);
        EXPECT_EQ (disk.getFolder().getNumberOfChildFiles (juce::File::findFiles, "*.ini"), 1);
    }
}

TEST (MainComponentMenu, ASetCopiedInWhileRunningIsOfferedAtTheNextOpeningOfTheOptions)
{
    ProgramFolder folder;
    folder.addSet ("a.kbs", "Alpha", 1, juce::Colours::red, numbered ("alpha", 3));
    auto main = makeMain (folder);
    auto& sets = main->getOptionsPanel()->getSetsBox();

    main->handleMenuResult (1);
    EXPECT_EQ (sets.getNumItems(), 3); // all, favourites, Alpha
    main->actionListenerCallback ("OptionsCancel");

    folder.addSet ("b.kbs", "Beta", 1, juce::Colours::blue, numbered ("beta", 3));
    const auto shown = main->getAdviceText();
    main->handleMenuResult (1);
    EXPECT_EQ (sets.getItemText (3), "Beta");

    // Cancel leaves the advice on screen, and its star, on the set it came from.
    main->actionListenerCallback ("OptionsCancel");
    EXPECT_EQ (main->getAdviceText(), shown);
    main->toggleFavourite();
    EXPECT_TRUE (folder.data().getChildFile ("a.kbs").loadFileAsString().contains ("Favorite=true"));
}
