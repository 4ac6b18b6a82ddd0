#include "advice/AdviceSet.h"
#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"
#include "editor/EditionComponent.h"
#include "editor/SpecialTagManager.h"
#include "look/CustomLookAndFeel.h"
#include "widgets/SpecialButton.h"
#include "widgets/SpecialLabel.h"
#include "widgets/SpecialWheel.h"

#include "SmallFileSystem.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <deque>

#if ! JUCE_WINDOWS
 #include <csignal>
 #include <sys/resource.h>
#endif

namespace
{
juce::String utf8 (const char* text) { return juce::String (juce::CharPointer_UTF8 (text)); }

/** Answers the editor's questions from scripts and keeps what it was asked. Held, a question
    stays up until the test answers it, as a user takes their time. */
struct ScriptedDialogs : public EditionDialogs
{
    void askYesNoCancel (const juce::String&, const juce::String& message, const juce::String&,
                         const juce::String&, const juce::String&, std::function<void (int)> answer) override
    {
        asked.add (message);
        reply ([this, answer] { answer (take (saveAnswers, 0)); });
    }

    void askOkCancel (const juce::String&, const juce::String& message, const juce::String& first, const juce::String&,
                      std::function<void (bool)> answer) override
    {
        asked.add (message);
        firstButtons.add (first);
        reply ([this, answer] { answer (take (okAnswers, false)); });
    }

    void chooseFileToOpen (const juce::String&, const juce::File& start, const juce::String&,
                           std::function<void (const juce::File&)> answer) override
    {
        ++opens;
        lastStart = start;
        reply ([this, answer] { answer (fileToOpen); });
    }

    void chooseFileToSave (const juce::String&, const juce::File& start, const juce::String&,
                           std::function<void (const juce::File&)> answer) override
    {
        ++saves;
        lastStart = start;
        reply ([this, answer] { answer (fileToSave); });
    }

    void showProblem (const juce::String&, const juce::String& message, std::function<void()> dismissed) override
    {
        problems.add (message);
        reply (dismissed);
    }

    void reply (std::function<void()> answer)
    {
        if (hold)
            held = answer;
        else
            answer();
    }

    /** Answers the question held up, with the scripted answer of this moment. */
    void answerHeld() { std::exchange (held, nullptr)(); }

    template <typename T>
    static T take (std::deque<T>& answers, T fallback)
    {
        if (answers.empty())
            return fallback;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<int> saveAnswers;
    std::deque<bool> okAnswers;
    juce::File fileToOpen, fileToSave, lastStart;
    int opens = 0, saves = 0;
    juce::StringArray asked, firstButtons, problems;
    bool hold = false;
    std::function<void()> held;
};

struct Messages : public juce::ActionListener
{
    void actionListenerCallback (const juce::String& message) override { received.add (message); }
    juce::StringArray received;
};

struct EditionComponentTest : public ::testing::Test
{
    EditionComponentTest()
    {
        library.setBaseFolder (temp.getFolder());
        temp.getChildFile ("data").createDirectory();
        library.reload();

        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        panel.setDialogs (std::move (owned));
        panel.setSize (500, 350);
        panel.setVisible (true);
        panel.addActionListener (&messages);
        panel.closeSet();
        panel.setLanguage (1);
    }

    ~EditionComponentTest() override { panel.removeActionListener (&messages); }

    template <typename T = juce::Component>
    T& child (const char* id)
    {
        auto* c = dynamic_cast<T*> (panel.findChildWithID (id));
        EXPECT_NE (c, nullptr) << id;
        return *c;
    }

    SpecialButton& button (const char* id) { return child<SpecialButton> (id); }
    bool visible (const char* id) { return child (id).isVisible(); }
    void click (const char* id) { panel.buttonClicked (&button (id)); }
    bool key (int code, juce::ModifierKeys mods = {}, juce::juce_wchar character = 0)
    {
        return panel.keyPressed (juce::KeyPress (code, mods, character));
    }
    int position() { return child<SpecialWheel> ("wheel").getPosition(); }
    AdviceSet& set() { return *panel.getCurrentSet(); }

    /** Types into a label in place and presses Return, as the user commits an edit. */
    void typeInto (const char* id, const juce::String& text)
    {
        auto& label = child<SpecialLabel> (id);
        label.showEditor();
        auto* editor = label.getCurrentTextEditor();
        ASSERT_NE (editor, nullptr) << id;
        editor->setText (text, false);
        editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
        kbtest::pumpMessages();
    }

    juce::File writeSet (const juce::String& fileName, std::initializer_list<const char*> texts)
    {
        AdviceSet s (&catalogue);
        s.setName ("Mine");
        s.setLanguage (1);
        s.setFile (temp.getChildFile ("data/" + fileName));
        for (auto* text : texts)
        {
            s.addItem();
            s.setItemText (s.getNumItems() - 1, utf8 (text));
            s.setItemTagsFromString (s.getNumItems() - 1, "2,205,");
        }
        EXPECT_TRUE (s.writeToFile());
        return s.getFile();
    }

    void open (const juce::File& file)
    {
        dialogs->fileToOpen = file;
        click ("openSetButton");
    }

    kbtest::TempFolder temp;
    TagCatalogue catalogue;
    SetLibrary library { &catalogue };
    EditionComponent panel { &catalogue, &library };
    ScriptedDialogs* dialogs = nullptr;
    Messages messages;
};

const auto ctrl = juce::ModifierKeys::ctrlModifier;
} // namespace

TEST_F (EditionComponentTest, NoSetOpenShowsOnlyTheWayInAndOut)
{
    int shown = 0;
    for (auto* c : panel.getChildren())
        shown += c->isVisible() ? 1 : 0;

    EXPECT_EQ (shown, 3);
    EXPECT_TRUE (visible ("backButton") && visible ("newSetButton") && visible ("openSetButton"));
    EXPECT_EQ (panel.getWindowTitle(), "Kindlebrook");

    // Shortcuts whose button is hidden fall through; moving with no set touches nothing.
    EXPECT_FALSE (key ('s', ctrl));
    EXPECT_FALSE (key ('w', ctrl));
    EXPECT_FALSE (key ('+', ctrl | juce::ModifierKeys::shiftModifier, '+'));
    EXPECT_TRUE (key (juce::KeyPress::pageDownKey));
    EXPECT_TRUE (key (juce::KeyPress::downKey));
    EXPECT_TRUE (key (juce::KeyPress::pageUpKey));
    EXPECT_EQ (panel.getCurrentSet(), nullptr);
    EXPECT_FALSE (key ('x'));
    EXPECT_TRUE (panel.canClose());
    EXPECT_TRUE (dialogs->asked.isEmpty());
}

TEST_F (EditionComponentTest, NewSetInEachLanguage)
{
    const auto year = juce::String (juce::Time::getCurrentTime().getYear());

    EXPECT_TRUE (key ('n', ctrl));
    EXPECT_EQ (set().getName(), "No name");
    EXPECT_EQ (set().getAuthor(), "Unknown author (" + year + ")");
    EXPECT_EQ (set().getColour(), juce::Colour (0xFFFFA500));
    EXPECT_EQ (set().getLanguage(), 1);
    ASSERT_EQ (set().getNumItems(), 1);
    EXPECT_EQ (set().getItemText (0), "Empty advice");
    EXPECT_EQ (set().getItemTagsString (0), "1,");
    EXPECT_EQ (position(), 0);
    EXPECT_EQ (panel.getWindowTitle(), "Kindlebrook*");
    EXPECT_TRUE (visible ("duplicateAdviceButton") && visible ("tagsButton"));
    EXPECT_FALSE (visible ("deleteAdviceButton"));
    EXPECT_EQ (button ("tagsButton").getHighlightMode(), 1);
    EXPECT_EQ (button ("saveButton").getHighlightMode(), 1);

    // French: the new set is dropped only after the prompt lets it go.
    panel.setLanguage (0);
    dialogs->saveAnswers = { 2 };
    click ("newSetButton");
    EXPECT_EQ (dialogs->asked[0], utf8 ("Le set a été modifié. Voulez-vous enregistrer vos modifications ?"));
    EXPECT_EQ (set().getName(), "Pas de nom");
    EXPECT_EQ (set().getAuthor(), "Auteur inconnu (" + year + ")");
    EXPECT_EQ (set().getItemText (0), "Conseil vide");
    EXPECT_EQ (set().getLanguage(), 0);
    EXPECT_EQ (child<juce::Label> ("colourHeading").getText(), "Choisissez la couleur du set :");
}

TEST_F (EditionComponentTest, SaveGuardAnswers)
{
    const auto file = writeSet ("mine.kbs", { "One", "Two" });
    const auto before = file.loadFileAsString();
    open (file);
    typeInto ("nameLabel", "Renamed");
    EXPECT_FALSE (panel.isUpToDate());
    EXPECT_EQ (panel.getWindowTitle(), "Kindlebrook - mine.kbs*");

    dialogs->saveAnswers = { 0 };
    click ("backButton");
    kbtest::pumpMessages();
    EXPECT_TRUE (messages.received.isEmpty()) << "Cancel stops the command";
    EXPECT_TRUE (panel.isSetOpen());

    dialogs->saveAnswers = { 1 };
    EXPECT_TRUE (panel.canClose()) << "Yes saves, then lets go";
    EXPECT_TRUE (panel.isUpToDate());
    EXPECT_TRUE (file.loadFileAsString().contains ("Name=Renamed;"));

    typeInto ("nameLabel", "Dropped");
    dialogs->saveAnswers = { 2 };
    click ("backButton");
    kbtest::pumpMessages();
    EXPECT_EQ (messages.received, juce::StringArray ("EditionExit"));
    EXPECT_EQ (panel.getCurrentSet(), nullptr);
    EXPECT_TRUE (file.loadFileAsString().contains ("Name=Renamed;")) << "Ignore leaves the file as it was";
    EXPECT_NE (file.loadFileAsString(), before);

    // Yes on a set never saved opens the save-as dialog; cancelling it keeps the panel open.
    panel.closeSet();
    click ("newSetButton");
    dialogs->saveAnswers = { 1 };
    click ("backButton");
    kbtest::pumpMessages();
    EXPECT_EQ (dialogs->saves, 1);
    EXPECT_EQ (messages.received.size(), 1);
    EXPECT_TRUE (panel.isSetOpen());
    EXPECT_FALSE (panel.canClose() && dialogs->saveAnswers.empty());
}

TEST_F (EditionComponentTest, SaveAsMakesTheDataFolderAndGuardsAnotherFile)
{
    temp.getChildFile ("data").deleteRecursively();
    click ("newSetButton");
    dialogs->fileToSave = temp.getChildFile ("data/first");
    EXPECT_TRUE (key ('s', ctrl));
    EXPECT_EQ (dialogs->lastStart, temp.getChildFile ("data"));
    EXPECT_TRUE (temp.getChildFile ("data/first.kbs").existsAsFile());
    EXPECT_EQ (AdviceSet::getSetFileKind (temp.getChildFile ("data/first.kbs")), 2);
    EXPECT_EQ (panel.getWindowTitle(), "Kindlebrook - first.kbs");
    EXPECT_EQ (button ("saveButton").getHighlightMode(), 0);

    // "first" with its extension added names a file the dialog never asked about.
    const auto other = writeSet ("other.kbs", { "Keep me" });
    click ("newSetButton");
    dialogs->fileToSave = temp.getChildFile ("data/other");
    dialogs->okAnswers = { false };
    click ("saveAsButton");
    EXPECT_TRUE (other.loadFileAsString().contains ("Keep me"));
    EXPECT_EQ (panel.getWindowTitle(), "Kindlebrook*");
}

TEST_F (EditionComponentTest, AFailedSaveIsToldAndKeepsTheSetAndTheFile)
{
   #if JUCE_WINDOWS
    GTEST_SKIP() << kbtest::SmallFileSystem::whyUnavailable();
   #else
    const auto file = writeSet ("mine.kbs", { "One", "Two" });
    juce::MemoryBlock before;
    file.loadFileAsData (before);
    open (file);
    typeInto ("adviceLabel", "A text long enough that the set no longer fits in the allowed file size");

    rlimit previous {};
    ASSERT_EQ (getrlimit (RLIMIT_FSIZE, &previous), 0);
    auto previousHandler = std::signal (SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 64;
    ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &limited), 0);
    dialogs->saveAnswers = { 1 };
    click ("backButton");
    setrlimit (RLIMIT_FSIZE, &previous);
    std::signal (SIGXFSZ, previousHandler);
    kbtest::pumpMessages();

    EXPECT_EQ (dialogs->problems.size(), 1);
    EXPECT_TRUE (dialogs->problems[0].contains (file.getFullPathName()));
    EXPECT_TRUE (messages.received.isEmpty()) << "the guard must not drop a set it could not save";
    EXPECT_FALSE (panel.isUpToDate());
    EXPECT_EQ (panel.getWindowTitle(), "Kindlebrook - mine.kbs*");
    EXPECT_EQ (button ("saveButton").getHighlightMode(), 1);
    juce::MemoryBlock after;
    file.loadFileAsData (after);
    EXPECT_EQ (after, before);
    EXPECT_EQ (file.getParentDirectory().findChildFiles (juce::File::findFiles, false, "*.kbs").size(), 1); // no temporary file
   #endif
}

TEST_F (EditionComponentTest, OpeningRefusesWhatIsNoSetAndConvertsTheOlderFormat)
{
    open (writeSet ("mine.kbs", { "One" }));
    const auto junk = temp.getChildFile ("data/junk.kbs");
    ASSERT_TRUE (junk.replaceWithText ("just some notes\nnothing else\n"));
    open (junk);
    EXPECT_EQ (dialogs->problems.size(), 1);
    EXPECT_EQ (set().getItemText (0), "One") << "the panel stays as it was";
    EXPECT_EQ (panel.getWindowTitle(), "Kindlebrook - mine.kbs");

    open (temp.getChildFile ("data/missing.kbs"));
    EXPECT_EQ (set().getItemText (0), "One");

    const auto legacy = temp.getChildFile ("data/old.kbs");
    ASSERT_TRUE (kbtest::getFixture ("legacy-latin1.kbs").copyFileTo (legacy));
    open (legacy);
    ASSERT_GT (set().getNumItems(), 1);
    EXPECT_EQ (set().getName(), utf8 ("Vieux carnet d'idées"));
    EXPECT_TRUE (panel.isUpToDate());
    const auto items = set().getNumItems();
    EXPECT_TRUE (key ('s', ctrl));
    EXPECT_EQ (AdviceSet::getSetFileKind (legacy), 2);
    AdviceSet reread (&catalogue);
    reread.setFile (legacy);
    reread.readFromFile (2);
    EXPECT_EQ (reread.getNumItems(), items);
    EXPECT_EQ (reread.getName(), utf8 ("Vieux carnet d'idées"));
}

TEST_F (EditionComponentTest, NoAdviceLocksTheText)
{
    const auto empty = temp.getChildFile ("data/empty.kbs");
    ASSERT_TRUE (empty.replaceWithText ("KindlebrookV1 - Set file\n\nName=Empty;\n"));
    open (empty);
    EXPECT_EQ (position(), -1);
    auto& advice = child<SpecialLabel> ("adviceLabel");
    EXPECT_EQ (advice.getText(), "No advice has been found");
    EXPECT_FALSE (advice.isEnabled());
    EXPECT_FALSE (advice.isEditableOnSingleClick());
    EXPECT_EQ (button ("addAdviceButton").getHighlightMode(), 1);
    EXPECT_FALSE (visible ("duplicateAdviceButton") || visible ("deleteAdviceButton") || visible ("tagsButton"));

    // Even a change message that got through writes nothing and leaves the set as read.
    advice.setText ("Typed into nothing", juce::dontSendNotification);
    panel.changeListenerCallback (&advice);
    EXPECT_EQ (set().getNumItems(), 0);
    EXPECT_TRUE (panel.isUpToDate());
    EXPECT_EQ (advice.getText(), "No advice has been found");

    EXPECT_TRUE (key ('+', ctrl | juce::ModifierKeys::shiftModifier, '+'));
    EXPECT_EQ (set().getNumItems(), 1);
    EXPECT_EQ (position(), 0);
}

TEST_F (EditionComponentTest, TextStillBeingTypedIsSavedAndGuarded)
{
    const auto file = writeSet ("mine.kbs", { "A" });
    open (file);
    auto& advice = child<SpecialLabel> ("adviceLabel");
    advice.showEditor();
    advice.getCurrentTextEditor()->setText ("Typed, then Ctrl+S", false);
    EXPECT_TRUE (key ('s', ctrl));
    kbtest::pumpMessages();
    EXPECT_FALSE (advice.isBeingEdited());
    EXPECT_TRUE (file.loadFileAsString().contains ("Item=Typed, then Ctrl+S;"));
    EXPECT_TRUE (panel.isUpToDate()) << "the edit is not counted again after the save";

    advice.showEditor();
    advice.getCurrentTextEditor()->setText ("Typed, then the window closed", false);
    dialogs->saveAnswers = { 0 };
    EXPECT_FALSE (panel.canClose());
    EXPECT_EQ (dialogs->asked.size(), 1);
    EXPECT_EQ (set().getItemText (0), "Typed, then the window closed");
}

TEST_F (EditionComponentTest, DeleteFromFirstMiddleAndLast)
{
    open (writeSet ("mine.kbs", { "A", "B", "C", "D", "E" }));
    dialogs->okAnswers = { false };
    click ("deleteAdviceButton");
    EXPECT_EQ (set().getNumItems(), 5) << "only the first button deletes";
    EXPECT_EQ (dialogs->asked[0], "Do you want to delete the advice \"A\" ?");
    EXPECT_TRUE (panel.isUpToDate());

    dialogs->okAnswers = { true };
    click ("deleteAdviceButton");
    EXPECT_EQ (set().getItemText (position()), "B");
    EXPECT_EQ (position(), 0);

    key (juce::KeyPress::downKey);
    key (juce::KeyPress::pageDownKey);
    dialogs->okAnswers = { true };
    click ("deleteAdviceButton");
    EXPECT_EQ (position(), 1) << "the item before the deleted one is shown";
    EXPECT_EQ (set().getItemText (1), "C");
    EXPECT_EQ (set().getItemText (2), "E");

    key (juce::KeyPress::downKey);
    panel.setLanguage (0);
    dialogs->okAnswers = { true };
    click ("deleteAdviceButton");
    EXPECT_EQ (dialogs->asked[3], utf8 ("Êtes-vous sûrs de vouloir supprimer le conseil  \"E\" ?"));
    EXPECT_EQ (position(), 1);
    EXPECT_EQ (set().getNumItems(), 2);
    EXPECT_FALSE (panel.isUpToDate());
    EXPECT_EQ (panel.getWindowTitle(), "Kindlebrook - mine.kbs*");
}

TEST_F (EditionComponentTest, DuplicateCopiesTextAndTagsButNotTheFavouriteMark)
{
    open (writeSet ("mine.kbs", { "Only" }));
    set().setItemFavourite (0, true);
    click ("duplicateAdviceButton");
    ASSERT_EQ (set().getNumItems(), 2);
    EXPECT_EQ (position(), 1);
    EXPECT_EQ (set().getItemText (1), "Only");
    EXPECT_EQ (set().getItemTagsString (1), "2,205,");
    EXPECT_FALSE (set().isItemFavourite (1));
    EXPECT_TRUE (visible ("deleteAdviceButton"));
}

TEST_F (EditionComponentTest, KeyboardTable)
{
    EXPECT_TRUE (key ('o', ctrl));
    EXPECT_EQ (dialogs->opens, 1);
    EXPECT_EQ (dialogs->lastStart, temp.getChildFile ("data"));

    open (writeSet ("mine.kbs", { "A", "B", "C" }));
    EXPECT_TRUE (key (juce::KeyPress::pageUpKey)) << "the first item keeps its place and the key is used";
    EXPECT_EQ (position(), 0);
    EXPECT_TRUE (key (juce::KeyPress::downKey));
    EXPECT_TRUE (key (juce::KeyPress::pageDownKey));
    EXPECT_TRUE (key (juce::KeyPress::pageDownKey));
    EXPECT_EQ (position(), 2);
    EXPECT_TRUE (key (juce::KeyPress::upKey));
    EXPECT_EQ (child<SpecialLabel> ("adviceLabel").getText(), "B");
    EXPECT_FALSE (key (juce::KeyPress::downKey, juce::ModifierKeys::shiftModifier));

    // Ctrl++ as typed: with Shift, on the keypad; not on the description page, where the button is hidden.
    EXPECT_TRUE (key ('+', ctrl | juce::ModifierKeys::shiftModifier, '+'));
    EXPECT_TRUE (key (juce::KeyPress::numberPadAdd, ctrl));
    EXPECT_TRUE (key ('+', ctrl, '+'));
    EXPECT_EQ (set().getNumItems(), 6);
    click ("descriptionButton");
    EXPECT_FALSE (key ('+', ctrl, '+'));
    EXPECT_EQ (set().getNumItems(), 6);

    dialogs->saveAnswers = { 2 };
    EXPECT_TRUE (key ('W', ctrl));
    EXPECT_FALSE (panel.isSetOpen());
    EXPECT_NE (button ("descriptionButton").getHighlightMode(), 2) << "closing the set closes its page";
    EXPECT_TRUE (key ('n', ctrl));
    EXPECT_TRUE (panel.isSetOpen());
}

TEST_F (EditionComponentTest, PagesAndTheirButtons)
{
    open (writeSet ("mine.kbs", { "A", "B" }));
    click ("descriptionButton");
    EXPECT_EQ (panel.getCurrentPage(), 1);
    EXPECT_EQ (button ("descriptionButton").getHighlightMode(), 2) << "even with an empty description";
    EXPECT_TRUE (visible ("setDescriptionLabel") && ! visible ("adviceLabel") && ! visible ("wheel"));
    typeInto ("setDescriptionLabel", "About this set");
    EXPECT_EQ (set().getDescription(), "About this set");
    click ("descriptionButton");
    EXPECT_EQ (panel.getCurrentPage(), 0);
    EXPECT_EQ (button ("descriptionButton").getHighlightMode(), 0);

    // The tags page keeps the wheel, and moving it reloads the tags of the item shown.
    set().setItemTagsFromString (1, "0,310,");
    click ("tagsButton");
    auto& tags = child<SpecialTagManager> ("tagManager");
    EXPECT_TRUE (visible ("wheel") && visible ("tagsAdviceLabel"));
    EXPECT_EQ (tags.getSelectedTags(), "2,205,");
    key (juce::KeyPress::downKey);
    EXPECT_EQ (tags.getSelectedTags(), "0,310,");
    EXPECT_EQ (child<juce::Label> ("tagsAdviceLabel").getText(), "B");

    // Another page's button is hidden here, and so is its command.
    click ("colourButton");
    EXPECT_EQ (panel.getCurrentPage(), 3);
    click ("tagsButton");

    panel.setLanguage (1);
    click ("languageButton");
    EXPECT_EQ (set().getLanguage(), 0);
    EXPECT_FALSE (panel.isUpToDate());
    EXPECT_EQ (panel.getCurrentPage(), 0);
}

TEST_F (EditionComponentTest, EveryEditMarksTheSetModified)
{
    const auto file = writeSet ("mine.kbs", { "A", "B" });
    const std::function<void()> edits[] = {
        [&] { typeInto ("nameLabel", "N"); },
        [&] { typeInto ("adviceLabel", "Changed advice"); },
        [&] { typeInto ("authorLabel", "Me"); },
        [&] { click ("colourButton"); panel.findChildWithID ("colourSelector")->mouseDown (kbtest::mouseEvent (*panel.findChildWithID ("colourSelector"), { 75.0f, 15.0f })); kbtest::pumpMessages(); },
        [&] { click ("tagsButton"); auto& t = child<SpecialTagManager> ("tagManager"); t.mouseDown (kbtest::mouseEvent (t, { 60.0f, 80.0f })); t.mouseUp (kbtest::mouseEvent (t, { 60.0f, 80.0f })); kbtest::pumpMessages(); },
    };

    int k = 0;
    for (auto& edit : edits)
    {
        dialogs->saveAnswers = { 2 };
        open (file);
        ASSERT_TRUE (panel.isUpToDate());
        edit();
        EXPECT_FALSE (panel.isUpToDate()) << "edit " << k;
        EXPECT_TRUE (panel.getWindowTitle().endsWith ("*")) << "edit " << k++;
    }

    EXPECT_NE (set().getItemTagsString (0), "2,205,") << "the press on the bar reached the item";
}

TEST_F (EditionComponentTest, MouseWheelOverTheAdviceMovesTheWheel)
{
    open (writeSet ("mine.kbs", { "A", "B", "C" }));
    auto& advice = child<SpecialLabel> ("adviceLabel");
    juce::MouseWheelDetails forward {};
    forward.deltaY = 0.2f;
    advice.mouseWheelMove (kbtest::mouseEvent (advice, { 10.0f, 10.0f }), forward);
    kbtest::pumpMessages();
    EXPECT_EQ (position(), 1);
    EXPECT_EQ (advice.getText(), "B");
}

TEST_F (EditionComponentTest, LayoutAndDrawing)
{
    EXPECT_EQ (child ("tagManager").getBounds(), juce::Rectangle<int> (80, 80, 340, 180));
    EXPECT_EQ (child ("colourSelector").getBounds(), juce::Rectangle<int> (100, 130, 300, 90));
    EXPECT_EQ (child ("backButton").getBounds(), juce::Rectangle<int> (445, 295, 42, 52));

    open (writeSet ("mine.kbs", { "A" }));
    set().setColour (juce::Colour (0xFF00CC44));
    const auto image = kbtest::renderComponent (panel);
    kbtest::saveForViewing (image, "edition-advice-page");
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (250, 76), juce::Colour (0xFF00CC44), 8)) << "frame in the set colour";
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (250, 5), juce::Colours::black, 20)) << "hatched, nearly black background";
}

TEST_F (EditionComponentTest, EveryPageDrawsItsWidgetsInBothLanguages)
{
    open (writeSet ("mine.kbs", { "Tune the snare a semitone lower", "B" }));
    set().setColour (juce::Colour (0xFF3050FF));

    // A point inside what each page alone shows: the advice text, the frame of the
    // description, a colour cell, the tag bar.
    struct Page { const char* button; const char* name; int x, y; };
    const Page pages[] = { { nullptr, "advice", 250, 168 }, { "descriptionButton", "description", 100, 170 },
                           { "colourButton", "colour", 172, 142 }, { "tagsButton", "tags", 115, 160 } };

    for (int language : { 0, 1 })
    {
        panel.setLanguage (language);

        for (auto& page : pages)
        {
            if (page.button != nullptr)
                click (page.button);

            const auto image = kbtest::renderComponent (panel);
            kbtest::saveForViewing (image, juce::String ("edition-") + page.name + (language == 0 ? "-fr" : "-en"));

            int lit = 0;
            for (int dx = -6; dx <= 6; ++dx)
                lit += image.getPixelAt (page.x + dx, page.y).getBrightness() > 0.3f ? 1 : 0;

            EXPECT_GT (lit, 0) << page.name << " in language " << language;

            if (page.button != nullptr)
                click (page.button);
        }
    }
}

TEST_F (EditionComponentTest, SavingKeepsTheMarksAnotherCopyMadeMeanwhile)
{
    const auto file = writeSet ("mine.kbs", { "One", "Two", "Three" });
    open (file);
    typeInto ("adviceLabel", "One, edited");

    // Another running copy marks every advice while the editor is open.
    AdviceSet other (&catalogue);
    other.setFile (file);
    other.readFromFile (2);
    other.setItemFavourite (0, true); // "One"
    other.setItemFavourite (1, true); // "Three"
    other.setItemFavourite (2, true); // "Two"
    ASSERT_TRUE (other.writeToFile());

    EXPECT_TRUE (key ('s', ctrl));
    AdviceSet saved (&catalogue);
    saved.setFile (file);
    saved.readFromFile (2);
    ASSERT_EQ (saved.getNumItems(), 3);
    EXPECT_EQ (saved.getItemText (0), "One, edited");
    EXPECT_FALSE (saved.isItemFavourite (0)) << "by its text, an edited advice is another one";
    EXPECT_TRUE (saved.isItemFavourite (1));
    EXPECT_TRUE (saved.isItemFavourite (2));

    // Saved elsewhere, the set takes no marks from whatever that file held.
    const auto elsewhere = writeSet ("elsewhere.kbs", { "Two" });
    AdviceSet marked (&catalogue);
    marked.setFile (elsewhere);
    marked.readFromFile (2);
    marked.setItemFavourite (0, true);
    ASSERT_TRUE (marked.writeToFile());
    set().setItemFavourite (2, false);
    dialogs->fileToSave = elsewhere;
    dialogs->okAnswers = { true };
    click ("saveAsButton");
    saved.setFile (elsewhere);
    saved.readFromFile (2);
    ASSERT_EQ (saved.getNumItems(), 3);
    EXPECT_FALSE (saved.isItemFavourite (2)) << saved.getItemText (2);
}

TEST_F (EditionComponentTest, ASaveOnAFullDiskIsToldAndLeavesNoTrace)
{
    if (const auto why = kbtest::SmallFileSystem::whyUnavailable(); why.isNotEmpty())
        GTEST_SKIP() << why;

    for (bool mayMount : { true, false })
    {
        kbtest::SmallFileSystem disk (64, mayMount);
        SCOPED_TRACE (disk.describe());
        dialogs->problems.clear();

        AdviceSet small (&catalogue);
        small.setFile (disk.getChildFile ("full.kbs"));
        small.setName ("Full");
        small.addItem();
        small.setItemText (0, "short");
        ASSERT_TRUE (small.writeToFile());
        juce::MemoryBlock before;
        small.getFile().loadFileAsData (before);

        open (small.getFile());
        typeInto ("adviceLabel", juce::String::repeatedString ("much longer ", 200));
        disk.leaveFree ((juce::int64) before.getSize() + 512);
        EXPECT_TRUE (key ('s', ctrl));
        disk.makeRoom();

        EXPECT_EQ (dialogs->problems.size(), 1);
        EXPECT_FALSE (panel.isUpToDate());
        juce::MemoryBlock after;
        small.getFile().loadFileAsData (after);
        EXPECT_EQ (after, before);
        EXPECT_EQ (disk.getFolder().getNumberOfChildFiles (juce::File::findFiles, "*.kbs"), 1); // no temporary file

        // With room again, the same command saves.
        EXPECT_TRUE (key ('s', ctrl));
        EXPECT_TRUE (panel.isUpToDate());
        EXPECT_TRUE (small.getFile().loadFileAsString().contains ("much longer much longer"));
        panel.closeSet();
    }
}

TEST_F (EditionComponentTest, NoCommandActsWhileAQuestionIsUp)
{
    const auto mine = writeSet ("mine.kbs", { "One", "Two" });
    const auto before = mine.loadFileAsString();
    open (mine);
    typeInto ("nameLabel", "Changed");
    int agreed = 0;
    panel.onCloseAgreed = [&agreed] { ++agreed; };
    dialogs->hold = true;

    // The close button asks once; pressed again under its question, it asks nothing more.
    EXPECT_FALSE (panel.canClose());
    EXPECT_FALSE (panel.canClose());
    EXPECT_EQ (dialogs->asked.size(), 1);

    EXPECT_FALSE (key ('w', ctrl));
    EXPECT_FALSE (key ('o', ctrl));
    EXPECT_FALSE (key (juce::KeyPress::downKey));
    click ("newSetButton");
    click ("deleteAdviceButton");
    EXPECT_EQ (dialogs->asked.size() + dialogs->opens, 2) << "one question, and the dialog that opened the set";
    EXPECT_EQ (position(), 0);
    EXPECT_TRUE (child ("nameLabel").isCurrentlyBlockedByAnotherModalComponent()) << "nor does a click";

    // Ignore lets the program close: once told, the close button asks nothing more.
    dialogs->saveAnswers = { 2 };
    dialogs->answerHeld();
    EXPECT_EQ (agreed, 1);
    EXPECT_TRUE (panel.canClose());
    EXPECT_EQ (mine.loadFileAsString(), before);
    EXPECT_FALSE (child ("nameLabel").isCurrentlyBlockedByAnotherModalComponent());

    // A save-as answered after its set has gone writes nothing; the next set's answer saves it.
    dialogs->hold = false;
    dialogs->saveAnswers = { 2 };
    click ("newSetButton");
    dialogs->hold = true;
    EXPECT_TRUE (key ('s', ctrl));
    panel.closeSet();
    dialogs->fileToSave = temp.getChildFile ("data/late.kbs");
    dialogs->answerHeld();
    EXPECT_FALSE (dialogs->fileToSave.exists());
    EXPECT_FALSE (panel.isPromptUp());
    dialogs->hold = false;
    EXPECT_TRUE (key ('n', ctrl) && key ('s', ctrl));
    EXPECT_EQ (panel.getWindowTitle(), "Kindlebrook - late.kbs");
}

TEST_F (EditionComponentTest, ACommitFollowedAtOnceByCtrlWIsAskedAbout)
{
    open (writeSet ("mine.kbs", { "One" }));
    auto& name = child<SpecialLabel> ("nameLabel");
    name.showEditor();
    name.getCurrentTextEditor()->setText ("Typed", false);
    EXPECT_FALSE (key ('b', ctrl)) << "no shortcut of the editor";
    EXPECT_TRUE (name.isBeingEdited());

    // Return has ended the edit: the label holds the text, its change message is on its way.
    name.hideEditor (true);
    name.setText ("Typed", juce::dontSendNotification);
    name.sendChangeMessage();
    dialogs->saveAnswers = { 0 };
    EXPECT_TRUE (key ('w', ctrl));
    ASSERT_EQ (dialogs->asked.size(), 1);
    EXPECT_EQ (set().getName(), "Typed");
}

TEST_F (EditionComponentTest, ReturnAfterAClickOnAButtonPressesNothing)
{
    open (writeSet ("mine.kbs", { "One", "Two" }));

    for (auto* c : panel.getChildren())
    {
        if (dynamic_cast<juce::Button*> (c) == nullptr)
            continue;

        // A click leaves the focus with the panel when what was clicked takes none on a click;
        // otherwise it gives it to what was clicked if it takes it, else to its nearest parent
        // that does. Return goes there and up through the parents until one uses it.
        juce::Component* focus = &panel;
        if (c->getMouseClickGrabsKeyboardFocus())
            for (focus = c; ! focus->getWantsKeyboardFocus();)
                focus = focus->getParentComponent();

        for (auto* target = focus; target != nullptr && ! target->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));)
            target = target->getParentComponent();

        kbtest::pumpMessages (10);
        EXPECT_EQ (set().getNumItems(), 2) << c->getComponentID();
        EXPECT_TRUE (panel.isUpToDate() && dialogs->asked.isEmpty() && dialogs->opens == 1) << c->getComponentID();
    }
}

TEST_F (EditionComponentTest, ATagDragThatChangesNothingAsksNothing)
{
    open (writeSet ("mine.kbs", { "One" }));
    click ("tagsButton");
    auto& tags = child<SpecialTagManager> ("tagManager");

    // Begun off the bar, a drag carries no toggle over the cells it crosses.
    tags.mouseDrag (kbtest::mouseEvent (tags, { 60.0f, 80.0f }));
    kbtest::pumpMessages();
    EXPECT_TRUE (panel.isUpToDate());
    click ("backButton");
    kbtest::pumpMessages();
    EXPECT_TRUE (dialogs->asked.isEmpty());
    EXPECT_EQ (messages.received, juce::StringArray ("EditionExit"));
}

TEST_F (EditionComponentTest, TheKeyTableWorksThroughTheProgramsCommandManager)
{
    juce::ApplicationCommandManager program;
    panel.useCommandManager (program);
    program.setFirstCommandTarget (&panel);
    auto& keys = *program.getKeyMappings();
    const auto press = [&keys] (juce::KeyPress k)
    {
        const auto used = keys.keyPressed (k, nullptr);
        kbtest::pumpMessages (10);
        return used;
    };

    EXPECT_FALSE (press (juce::KeyPress ('s', ctrl, 0))) << "its button is hidden with no set open";
    EXPECT_TRUE (press (juce::KeyPress ('n', ctrl, 0)));
    EXPECT_TRUE (press (juce::KeyPress ('=', ctrl | juce::ModifierKeys::shiftModifier, 0)));
    EXPECT_EQ (set().getNumItems(), 2);
    click ("descriptionButton");
    EXPECT_FALSE (press (juce::KeyPress ('+', ctrl, 0))) << "no add button on the description page";

    // Hidden, the editor leaves every key to the program, Escape included.
    panel.setVisible (false);
    EXPECT_FALSE (press (juce::KeyPress (juce::KeyPress::escapeKey)));
    panel.setVisible (true);
    dialogs->saveAnswers = { 2 };
    EXPECT_TRUE (press (juce::KeyPress (juce::KeyPress::escapeKey)));
    EXPECT_EQ (messages.received, juce::StringArray ("EditionExit"));
}

TEST_F (EditionComponentTest, TheEditorsAlertButtonsEndWithIt)
{
    CustomLookAndFeel look;
    juce::LookAndFeel::setDefaultLookAndFeel (&look);
    panel.setVisible (false);
    panel.setVisible (true);
    EXPECT_TRUE (look.isUsingEditorButtonStyle());
    panel.setVisible (false);
    EXPECT_FALSE (look.isUsingEditorButtonStyle()) << "the main screen's alerts after the editor";
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}
