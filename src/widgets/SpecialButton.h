#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A round button: a ring or a disc with a white symbol and an optional caption.

    Only the circle's square reacts to the mouse, however large the bounds are,
    so that the caption beside it never highlights, presses or clicks the button.

    A screen reader knows it by its title, or else by the caption it shows. A click does
    not take the keyboard focus; Tab does, and then Space or Return presses it, a thin ring
    shows where the focus is and the caption shows as under the mouse. A toggleable button
    (setToggleable) tells its on-state as checked.
*/
class SpecialButton : public juce::Button
{
public:
    SpecialButton();
    ~SpecialButton() override;

    /** "+", "Back", "Menu" or "Favorite"; any other type draws no symbol. */
    void setType (const juce::String& newType);

    /** Does not repaint: the caller decides when. */
    void setButtonColour (juce::Colour newColour);

    void setCaption (const juce::String& newCaption);
    void setCaptions (const juce::String& offCaption, const juce::String& onCaptionText);

    /** A filled disc instead of a ring. */
    void setFilled();

    /** 0: circle centred vertically, caption right; 1: circle at the bottom, caption above right;
        2: circle at the top, caption below right; 3 and 4: as 1 and 2 with the caption
        starting over the circle's centre. Anything else puts the circle at the bottom
        and the caption at the top-left corner.
    */
    void setCaptionPosition (int newPosition);

    /** A circle of 20 instead of 30. */
    void setSmall();

    void setCaptionAlwaysShown (bool shouldAlwaysShow);

    /** 1: a glow behind the disc; 2: the glow and a white disc. */
    void setHighlightMode (int newMode);
    int getHighlightMode() const noexcept { return highlightMode; }

    /** For "Favorite", 1 fills the star; any non-zero state shows the on-caption. */
    void setOnState (int newState);
    int getOnState() const noexcept { return onState; }

    /** The circle the mouse acts on, in the button's own coordinates. */
    juce::Rectangle<float> getCircleBounds() const noexcept { return { circleX, circleY, circleSize, circleSize }; }
    /** The caption for the on-state in force, empty when there is none. */
    const juce::String& getShownCaption() const noexcept { return onState != 0 ? onCaption : caption; }

    //==============================================================================
    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    void resized() override;

    void mouseMove (const juce::MouseEvent&) override;
    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    bool keyPressed (const juce::KeyPress&) override;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    void updateCircle();
    bool isInCircle (const juce::MouseEvent&) const;

    juce::String typeName;
    juce::String caption;
    juce::String onCaption;
    juce::Colour buttonColour { juce::Colours::orange };
    bool ringOnly = true;
    int captionPosition = 0;
    bool small = false;
    bool captionAlwaysShown = false;
    int highlightMode = 0;
    int onState = 0;
    float circleX = 0.0f, circleY = 0.0f, circleSize = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SpecialButton)
};
