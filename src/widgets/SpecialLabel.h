#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** An editable label for the set editor.

    It dims under the mouse, lets only characters that the set file can hold be
    typed, tidies the spaces of what is committed, and reports a committed change
    with a change message. Mouse-wheel movements over it are passed on as the
    action message "LWheel"; the details are kept for getLastWheel().

    Return commits an edit and Escape cancels it. A click anywhere else in the window
    commits it too, as juce::Label does: the editor is modal, and an attempt to use
    another component ends it. Losing the keyboard focus to another window leaves
    the editor open. Tab reaches an editable label and opens its editor; Tab and
    Shift+Tab in the editor commit it and go on to the next or previous control.

    A screen reader names the label by its title (what it holds: "Author") and reads
    its text as its value.
*/
class SpecialLabel : public juce::Label,
                     public juce::ChangeBroadcaster,
                     public juce::ActionBroadcaster
{
public:
    SpecialLabel();
    ~SpecialLabel() override;

    /** A framed label shows a dark grey frame, does not dim and accepts an empty text. */
    void setFramed();

    const juce::MouseWheelDetails& getLastWheel() const noexcept { return lastWheel; }

    /** Ends an edit in progress as Return does, with its change message delivered at once. */
    void commitEdit();

    /** The most characters the editor lets the user type. */
    static constexpr int maxTextLength = 400;

    /** Every character the editor lets the user type; notably no semicolon and no line break. */
    static juce::String getAllowedCharacters();

    /** Trims both ends and reduces every run of spaces to one. */
    static juce::String cleanText (const juce::String& text);

    //==============================================================================
    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;

protected:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;
    void paint (juce::Graphics&) override;
    juce::TextEditor* createEditorComponent() override;
    void textEditorTextChanged (juce::TextEditor&) override;
    void textEditorReturnKeyPressed (juce::TextEditor&) override;

private:
    bool framed = false;
    juce::MouseWheelDetails lastWheel {};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SpecialLabel)
};
