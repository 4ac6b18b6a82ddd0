#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A spring-loaded jog control that steps a position through 0 ... count - 1.

    Pressing and dragging up or down runs the position in that direction, faster the
    farther the drag goes (three speeds each way); releasing stops it. A double-click
    goes back to the first position, the mouse wheel steps by one. A change message is
    sent whenever the user moves the position; the setters send none.

    A screen reader sees a slider whose value reads "3 of 12" and which its increment and
    decrement commands step, as the user's own moves do. Tab reaches it (a click does not
    take the focus), and a lighter frame round the count shows that it has the focus.
*/
class SpecialWheel : public juce::Component,
                     public juce::ChangeBroadcaster,
                     public juce::Timer
{
public:
    SpecialWheel();
    ~SpecialWheel() override;

    /** Stores the position as given (-1 for none) and repaints. */
    void setPosition (int newPosition);
    int getPosition() const noexcept { return position; }

    /** Stores the count as given (-1 for none) and repaints. */
    void setCount (int newCount);
    int getCount() const noexcept { return count; }

    /** One step from a mouse-wheel movement, honouring reversed wheels. */
    void stepByWheel (const juce::MouseWheelDetails& wheel);

    /** 0 French, any other value English: the language of the value a screen reader reads. */
    void setLanguage (int english);
    /** "3 of 12" for position 2 of 12, in the language set; "none" without a position. */
    juce::String getValueText() const;
    /** Moves to a position as the user does: kept in range, with a change message when it moved. */
    void moveTo (int newPosition);

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    void timerCallback() override;
    void focusGained (FocusChangeType) override { repaint(); }
    void focusLost (FocusChangeType) override { repaint(); }

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;
    /** Keeps a position the user moved to within 0 ... count - 1, or -1 when there is none. */
    int limitToRange (int newPosition) const noexcept;
    /** Repaints and tells a screen reader of the new value. */
    void showPosition();
    void stopRunning();

    int position = 100;
    int count = 300;
    bool runningUp = false;
    int stepInterval = 200;
    int english = 1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SpecialWheel)
};
