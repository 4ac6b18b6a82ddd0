#include "TestSupport.h"
#include "widgets/SpecialLabel.h"

#include <gtest/gtest.h>

namespace
{
struct LabelChangeCounter : public juce::ChangeListener
{
    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++count; }
    int count = 0;
};

struct ActionRecorder : public juce::ActionListener
{
    void actionListenerCallback (const juce::String& message) override { messages.add (message); }
    juce::StringArray messages;
};

juce::MouseEvent mouseOver (juce::Component& c)
{
    return kbtest::mouseEvent (c, { 10.0f, 10.0f }, {}, 0);
}

struct SpecialLabelTest : public ::testing::Test
{
    SpecialLabelTest()
    {
        label.setText ("Old text", juce::dontSendNotification);
        label.setBounds (0, 0, 300, 24);
        label.addChangeListener (&changes);
    }

    ~SpecialLabelTest() override
    {
        label.hideEditor (true);
        label.removeChangeListener (&changes);
    }

    /** Opens the label's own editor, whose whole text is selected, as a click would. */
    juce::TextEditor& openEditor()
    {
        label.showEditor();
        auto* editor = label.getCurrentTextEditor();
        EXPECT_NE (editor, nullptr);
        return *editor;
    }

    /** Types text key by key, as the user would. */
    static void type (juce::TextEditor& editor, const juce::String& text)
    {
        for (auto c : text)
            editor.keyPressed (juce::KeyPress ((int) c, juce::ModifierKeys(), c));
    }

    /** Presses a key in the editor and waits until the label has ended the edit. */
    bool pressAndWait (juce::TextEditor& editor, int keyCode)
    {
        editor.keyPressed (juce::KeyPress (keyCode));
        return kbtest::pumpUntil ([this] { return ! label.isBeingEdited(); });
    }

    /** Waits for asynchronous change messages; returns how many arrived. */
    int changesAfterPumping (int expected)
    {
        kbtest::pumpUntil ([this, expected] { return changes.count >= expected; }, 1000);
        kbtest::pumpMessages (30);
        return changes.count;
    }

    SpecialLabel label;
    LabelChangeCounter changes;
};
} // namespace

//==============================================================================
TEST_F (SpecialLabelTest, ReturnCommitsTidiedTextAndNotifiesOnce)
{
    auto& editor = openEditor();
    type (editor, "  Hello   big    world  ");

    // Typing alone never ends the edit, although the editor has no keyboard focus here.
    kbtest::pumpMessages (50);
    ASSERT_TRUE (label.isBeingEdited());
    EXPECT_EQ (label.getText(), "Old text");

    ASSERT_TRUE (pressAndWait (editor, juce::KeyPress::returnKey));
    EXPECT_EQ (label.getText(), "Hello big world");
    EXPECT_EQ (changesAfterPumping (1), 1);
}

TEST_F (SpecialLabelTest, EditorOnlyTakesCharactersASetFileCanHold)
{
    auto& editor = openEditor();

    type (editor, "a;b");
    EXPECT_EQ (editor.getText(), "ab");

    // Pasted text is filtered the same way: no line breaks, tabs or foreign letters.
    editor.insertTextAtCaret ("\nc\r\nd\te;" + juce::String (juce::CharPointer_UTF8 ("\xc3\xb1\xe2\x82\xac")));
    EXPECT_EQ (editor.getText(), "abcde");

    // éÀçÜ, then French writing: chœur, Æ, « », no-break spaces
    const auto accented = juce::String (juce::CharPointer_UTF8 ("\xc3\xa9\xc3\x80\xc3\xa7\xc3\x9c"
                                                                "ch\xc5\x93ur \xc3\x86 \xc2\xab\xc2\xa0x\xe2\x80\xaf\xc2\xbb"));
    const auto punctuation = juce::String (" &\"'#()-_%!.,?:/*+=`09AZ");
    editor.insertTextAtCaret (accented + punctuation);
    EXPECT_EQ (editor.getText(), "abcde" + accented + punctuation);

    editor.setText ({}, false);
    editor.insertTextAtCaret (juce::String::repeatedString ("x", 500));
    EXPECT_EQ (editor.getTotalNumChars(), 400);
    type (editor, "y");
    EXPECT_EQ (editor.getTotalNumChars(), 400);

    ASSERT_TRUE (pressAndWait (editor, juce::KeyPress::returnKey));
    EXPECT_EQ (label.getText(), juce::String::repeatedString ("x", 400));
    EXPECT_FALSE (label.getText().containsChar (';'));
}

TEST_F (SpecialLabelTest, EmptiedTextIsRefusedUnlessFramed)
{
    for (auto emptied : { "", "     " })
    {
        auto& editor = openEditor();
        editor.keyPressed (juce::KeyPress (juce::KeyPress::backspaceKey));
        type (editor, emptied);
        ASSERT_TRUE (pressAndWait (editor, juce::KeyPress::returnKey));
        EXPECT_EQ (label.getText(), "Old text");
    }

    EXPECT_EQ (changesAfterPumping (0), 0);

    label.setFramed();
    auto& editor = openEditor();
    type (editor, "   ");
    ASSERT_TRUE (pressAndWait (editor, juce::KeyPress::returnKey));
    EXPECT_EQ (label.getText(), "");
    EXPECT_EQ (changesAfterPumping (1), 1);
}

TEST_F (SpecialLabelTest, UnchangedTextAndEscapeSendNothing)
{
    // Return straight away.
    auto* editor = &openEditor();
    ASSERT_TRUE (pressAndWait (*editor, juce::KeyPress::returnKey));

    // The same text once its spaces are tidied.
    editor = &openEditor();
    type (*editor, " Old   text ");
    ASSERT_TRUE (pressAndWait (*editor, juce::KeyPress::returnKey));
    EXPECT_EQ (label.getText(), "Old text");

    // A real change, dropped with Escape.
    editor = &openEditor();
    type (*editor, "Something new");
    ASSERT_TRUE (pressAndWait (*editor, juce::KeyPress::escapeKey));
    EXPECT_EQ (label.getText(), "Old text");

    EXPECT_EQ (changesAfterPumping (0), 0);
}

TEST_F (SpecialLabelTest, HoverDimsTextUnlessFramedDisabledOrEditing)
{
    label.setColour (juce::Label::textColourId, juce::Colours::lightgrey);
    auto alpha = [this] { return label.findColour (juce::Label::textColourId).getFloatAlpha(); };

    label.mouseEnter (mouseOver (label));
    EXPECT_NEAR (alpha(), 0.5f, 0.01f);
    EXPECT_EQ (label.findColour (juce::Label::textColourId).withAlpha (1.0f), juce::Colours::lightgrey);
    label.mouseExit (mouseOver (label));
    EXPECT_FLOAT_EQ (alpha(), 1.0f);

    // Disabled while under the mouse: the text does not stay dimmed afterwards.
    label.mouseEnter (mouseOver (label));
    label.setEnabled (false);
    label.mouseExit (mouseOver (label));
    label.setEnabled (true);
    EXPECT_FLOAT_EQ (alpha(), 1.0f);

    label.setEnabled (false);
    label.mouseEnter (mouseOver (label));
    EXPECT_FLOAT_EQ (alpha(), 1.0f);
    label.setEnabled (true);

    openEditor();
    label.mouseEnter (mouseOver (label));
    EXPECT_FLOAT_EQ (alpha(), 1.0f);
    label.hideEditor (true);

    label.setFramed();
    label.mouseEnter (mouseOver (label));
    EXPECT_FLOAT_EQ (alpha(), 1.0f);
}

TEST_F (SpecialLabelTest, WheelIsPassedOnAsLWheelUnlessEditing)
{
    ActionRecorder recorder;
    label.addActionListener (&recorder);

    juce::MouseWheelDetails wheel {};
    wheel.deltaY = -0.25f;
    wheel.isReversed = true;
    label.mouseWheelMove (mouseOver (label), wheel);

    ASSERT_TRUE (kbtest::pumpUntil ([&recorder] { return recorder.messages.size() > 0; }));
    EXPECT_EQ (recorder.messages, juce::StringArray ("LWheel"));
    EXPECT_FLOAT_EQ (label.getLastWheel().deltaY, -0.25f);
    EXPECT_TRUE (label.getLastWheel().isReversed);

    openEditor();
    wheel.deltaY = 0.5f;
    wheel.isReversed = false;
    label.mouseWheelMove (mouseOver (label), wheel);
    kbtest::pumpMessages (50);
    EXPECT_EQ (recorder.messages.size(), 1);
    EXPECT_FLOAT_EQ (label.getLastWheel().deltaY, 0.5f);

    label.removeActionListener (&recorder);
}

TEST_F (SpecialLabelTest, FramedLabelDrawsADarkGreyFrame)
{
    EXPECT_EQ (kbtest::renderComponent (label).getPixelAt (0, 12).getAlpha(), 0);

    label.setFramed();
    const auto image = kbtest::renderComponent (label);
    EXPECT_EQ (image.getPixelAt (0, 12), juce::Colours::darkgrey);
    EXPECT_EQ (image.getPixelAt (299, 0), juce::Colours::darkgrey);
    EXPECT_EQ (image.getPixelAt (150, 23), juce::Colours::darkgrey);
}
