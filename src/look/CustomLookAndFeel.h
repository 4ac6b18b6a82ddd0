#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's dark style for the standard JUCE widgets.

    Installed once as the default look and feel; the program's own custom-drawn
    widgets paint themselves and only borrow colours from the table.
*/
class CustomLookAndFeel : public juce::LookAndFeel_V2
{
public:
    CustomLookAndFeel();
    ~CustomLookAndFeel() override;

    /** false: orange rounded outline around text buttons; true: thin grey rectangle.
        Takes effect the next time a button paints.
    */
    void setEditorButtonStyle (bool useEditorStyle);
    bool isUsingEditorButtonStyle() const noexcept { return editorButtonStyle; }

    //==============================================================================
    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour,
                               bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    void drawTextEditorOutline (juce::Graphics&, int width, int height, juce::TextEditor&) override;

    void drawAlertBox (juce::Graphics&, juce::AlertWindow&, const juce::Rectangle<int>& textArea,
                       juce::TextLayout&) override;

    juce::Font getPopupMenuFont() override;
    void getIdealPopupMenuItemSize (const juce::String& text, bool isSeparator, int standardMenuItemHeight,
                                    int& idealWidth, int& idealHeight) override;

    void drawComboBox (juce::Graphics&, int width, int height, bool isButtonDown,
                       int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox&) override;

    void drawLabel (juce::Graphics&, juce::Label&) override;

    /** The text of a label that must not be squashed, word-wrapped onto as many lines as it
        needs within width and placed in the area by the justification. Lines break only at
        plain spaces: a no-break space keeps a French "?", "!" or ":" with its word. */
    static juce::GlyphArrangement layOutWrappedText (const juce::Font&, const juce::String& text,
                                                     int width, int height, juce::Justification);

    /** The background of the panels laid over the main screen: it dims the screen, which
        still shows faintly through, under dark lines every 5 pixels and a grey frame. */
    static void paintOverlayBackground (juce::Graphics&, int width, int height);

private:
    bool editorButtonStyle = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomLookAndFeel)
};
