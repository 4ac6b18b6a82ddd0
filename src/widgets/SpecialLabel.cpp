#include "SpecialLabel.h"

#include "ReadOnlyTextValue.h"

namespace
{
/** The label's editor, which leaves by Tab as well as by Return. */
class LabelEditor : public juce::TextEditor
{
public:
    using juce::TextEditor::TextEditor;

    std::function<void (bool forwards)> onTab;

    bool keyPressed (const juce::KeyPress& key) override
    {
        if (onTab && (key == juce::KeyPress::tabKey || key == juce::KeyPress (juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0)))
        {
            onTab (! key.getModifiers().isShiftDown());
            return true;
        }

        return juce::TextEditor::keyPressed (key);
    }
};

class SpecialLabelHandler : public juce::AccessibilityHandler
{
public:
    explicit SpecialLabelHandler (juce::Label& labelToWrap)
        : juce::AccessibilityHandler (labelToWrap,
                                      labelToWrap.isEditable() ? juce::AccessibilityRole::editableText : juce::AccessibilityRole::label,
                                      labelToWrap.isEditable() ? juce::AccessibilityActions().addAction (juce::AccessibilityActionType::press,
                                                                                                        [&labelToWrap] { labelToWrap.showEditor(); })
                                                               : juce::AccessibilityActions(),
                                      { std::make_unique<ReadOnlyTextValue> ([&labelToWrap] { return labelToWrap.getText(); }) }),
          label (labelToWrap)
    {
    }

    juce::String getTitle() const override
    {
        const auto title = label.getTitle();
        return title.isNotEmpty() ? title : label.getText();
    }

    juce::AccessibleState getCurrentState() const override
    {
        // While it is edited, the editor is what a screen reader is on.
        return label.isBeingEdited() ? juce::AccessibleState() : juce::AccessibilityHandler::getCurrentState();
    }

private:
    juce::Label& label;
};
} // namespace

SpecialLabel::SpecialLabel()
    : juce::Label (juce::String(), juce::String())
{
}

// The editor is owned by juce::Label itself, so there are no children to delete here.
SpecialLabel::~SpecialLabel() = default;

void SpecialLabel::setFramed()
{
    framed = true;
}

juce::String SpecialLabel::getAllowedCharacters()
{
    // The semicolon separates the values of a set file and a line break would split
    // one of its lines, so neither may ever be typed.
    return juce::String ("0123456789"
                         "abcdefghijklmnopqrstuvwxyz"
                         "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                         "&\"'# ()-_%!.,?:/*+=`")
         + juce::String (juce::CharPointer_UTF8 ("\xc3\xa0\xc3\xa2\xc3\xa4\xc3\xa7\xc3\xa8\xc3\xa9\xc3\xaa\xc3\xab"   // àâäçèéêë
                                                 "\xc3\xae\xc3\xaf\xc3\xb4\xc3\xb6\xc3\xb9\xc3\xbb\xc3\xbc"           // îïôöùûü
                                                 "\xc3\x80\xc3\x82\xc3\x84\xc3\x87\xc3\x88\xc3\x89\xc3\x8a\xc3\x8b"   // ÀÂÄÇÈÉÊË
                                                 "\xc3\x8e\xc3\x8f\xc3\x94\xc3\x96\xc3\x99\xc3\x9b\xc3\x9c"           // ÎÏÔÖÙÛÜ
                                                 "\xc5\x93\xc5\x92\xc3\xa6\xc3\x86\xc3\xbf\xc5\xb8"                   // œŒæÆÿŸ
                                                 // French typography: « », the no-break space and the narrow one.
                                                 "\xc2\xab\xc2\xbb\xc2\xa0\xe2\x80\xaf"));
}

juce::String SpecialLabel::cleanText (const juce::String& text)
{
    auto result = text.trim();

    while (result.contains ("  "))
        result = result.replace ("  ", " ");

    return result;
}

//==============================================================================
void SpecialLabel::paint (juce::Graphics& g)
{
    juce::Label::paint (g);

    if (framed)
    {
        g.setColour (juce::Colours::darkgrey);
        g.drawRect (getLocalBounds(), 1);
    }
}

void SpecialLabel::mouseEnter (const juce::MouseEvent&)
{
    if (isEnabled() && ! isBeingEdited() && ! framed)
        setColour (textColourId, findColour (textColourId).withAlpha (0.5f));
}

void SpecialLabel::mouseExit (const juce::MouseEvent&)
{
    // Restored even when the label was disabled under the mouse, or it would stay dimmed.
    setColour (textColourId, findColour (textColourId).withAlpha (1.0f));
}

void SpecialLabel::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    lastWheel = wheel;

    if (! isBeingEdited())
        sendActionMessage ("LWheel");
}

//==============================================================================
std::unique_ptr<juce::AccessibilityHandler> SpecialLabel::createAccessibilityHandler()
{
    return std::make_unique<SpecialLabelHandler> (*this);
}

juce::TextEditor* SpecialLabel::createEditorComponent()
{
    auto* editor = new LabelEditor (getName());
    editor->setTitle (getTitle());
    // After the key has been handled: the commit deletes the editor.
    editor->onTab = [safeThis = juce::Component::SafePointer<SpecialLabel> (this)] (bool forwards)
    {
        juce::MessageManager::callAsync ([safeThis, forwards]
        {
            if (safeThis == nullptr)
                return;

            safeThis->commitEdit();
            safeThis->moveKeyboardFocusToSibling (forwards);
        });
    };

    editor->setColour (juce::TextEditor::highlightedTextColourId, juce::Colours::white);
    editor->setColour (juce::TextEditor::highlightColourId, juce::Colours::orange);
    editor->setInputRestrictions (maxTextLength, getAllowedCharacters());
    editor->setOpaque (false);
    editor->setSelectAllWhenFocused (false);
    editor->setMultiLine (true, true);
    editor->setReturnKeyStartsNewLine (false);
    editor->setScrollbarsShown (false);

    return editor;
}

void SpecialLabel::textEditorTextChanged (juce::TextEditor&)
{
    // Deliberately empty: juce::Label would commit here when the focus has gone,
    // but an edit ends only with Return or Escape.
}

void SpecialLabel::commitEdit()
{
    if (auto* editor = getCurrentTextEditor())
    {
        textEditorReturnKeyPressed (*editor);
        dispatchPendingMessages();
    }
}

void SpecialLabel::textEditorReturnKeyPressed (juce::TextEditor& editor)
{
    if (getCurrentTextEditor() != &editor)
        return;

    const auto cleaned = cleanText (editor.getText());
    editor.setText (cleaned, false);

    if ((cleaned.isEmpty() && ! framed) || cleaned == getText())
    {
        juce::Label::textEditorEscapeKeyPressed (editor);
        return;
    }

    juce::Component::SafePointer<SpecialLabel> safeThis (this);
    juce::Label::textEditorReturnKeyPressed (editor);

    if (safeThis != nullptr)
        sendChangeMessage();
}
