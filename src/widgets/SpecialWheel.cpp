#include "SpecialWheel.h"

namespace
{
/** Positions as a person counts them, from 1; a screen reader's increment adds one. */
class WheelValue : public juce::AccessibilityValueInterface
{
public:
    explicit WheelValue (SpecialWheel& wheelToDrive) : wheel (wheelToDrive) {}

    bool isReadOnly() const override { return wheel.getCount() <= 0; }
    double getCurrentValue() const override { return (double) wheel.getPosition() + 1.0; }
    juce::String getCurrentValueAsString() const override { return wheel.getValueText(); }
    void setValue (double newValue) override { wheel.moveTo (juce::roundToInt (newValue) - 1); }
    void setValueAsString (const juce::String& newValue) override { setValue (newValue.getDoubleValue()); }

    AccessibleValueRange getRange() const override
    {
        if (wheel.getCount() < 2)
            return {};

        return { { 1.0, (double) wheel.getCount() }, 1.0 };
    }

private:
    SpecialWheel& wheel;
};
} // namespace

SpecialWheel::SpecialWheel()
{
    setWantsKeyboardFocus (true);
    setMouseClickGrabsKeyboardFocus (false);
}

std::unique_ptr<juce::AccessibilityHandler> SpecialWheel::createAccessibilityHandler()
{
    return std::make_unique<juce::AccessibilityHandler> (*this, juce::AccessibilityRole::slider, juce::AccessibilityActions(),
                                                         juce::AccessibilityHandler::Interfaces { std::make_unique<WheelValue> (*this) });
}

void SpecialWheel::setLanguage (int newEnglish)
{
    english = newEnglish;
}

juce::String SpecialWheel::getValueText() const
{
    if (count <= 0 || position < 0)
        return english == 0 ? "aucun" : "none";

    return juce::String (position + 1) + (english == 0 ? " sur " : " of ") + juce::String (count);
}

void SpecialWheel::moveTo (int newPosition)
{
    const auto target = limitToRange (newPosition);

    if (target == position)
        return;

    position = target;
    showPosition();
    sendChangeMessage();
}

SpecialWheel::~SpecialWheel()
{
    stopTimer();
}

void SpecialWheel::setPosition (int newPosition)
{
    position = newPosition;
    showPosition();
}

void SpecialWheel::showPosition()
{
    repaint();

    if (auto* handler = getAccessibilityHandler())
        handler->notifyAccessibilityEvent (juce::AccessibilityEvent::valueChanged);
}

void SpecialWheel::setCount (int newCount)
{
    count = newCount;
    repaint();
}

int SpecialWheel::limitToRange (int newPosition) const noexcept
{
    // With nothing to show there is no first position to go to: stay on "none"
    // rather than hand the owner an index into an empty list.
    if (count <= 0)
        return -1;

    return juce::jlimit (0, count - 1, newPosition);
}

void SpecialWheel::stopRunning()
{
    stopTimer();
    repaint();
    sendChangeMessage();
}

void SpecialWheel::stepByWheel (const juce::MouseWheelDetails& wheel)
{
    const auto delta = wheel.isReversed ? -wheel.deltaY : wheel.deltaY;

    if (delta > 0.0f)
        position = limitToRange (position + 1);
    else if (delta < 0.0f)
        position = limitToRange (position - 1);
    else
        return;

    showPosition();
    sendChangeMessage();
}

void SpecialWheel::mouseDown (const juce::MouseEvent& e)
{
    if (e.getNumberOfClicks() >= 2)
    {
        position = limitToRange (0);
        showPosition();
        sendChangeMessage();
    }
}

void SpecialWheel::mouseDrag (const juce::MouseEvent& e)
{
    const auto d = (float) e.getDistanceFromDragStartY();
    const auto trackLength = (float) (getHeight() - 30);

    // The bands grow with the track, so a taller wheel needs a longer drag.
    const auto fastBand = trackLength * 1.5f * 0.5f;
    const auto mediumBand = trackLength * 1.5f * 3.0f / 10.0f;
    const auto slowBand = trackLength * 1.5f / 10.0f;

    if (d > fastBand)
    {
        runningUp = false;
        stepInterval = 10;
    }
    else if (d > mediumBand)
    {
        runningUp = false;
        stepInterval = 80;
    }
    else if (d > slowBand)
    {
        runningUp = false;
        stepInterval = 200;
    }
    else if (d > -slowBand)
    {
        if (isTimerRunning())
            stopRunning();
        else
            repaint();

        return;
    }
    else if (d > -mediumBand)
    {
        runningUp = true;
        stepInterval = 200;
    }
    else if (d > -fastBand)
    {
        runningUp = true;
        stepInterval = 80;
    }
    else
    {
        runningUp = true;
        stepInterval = 10;
    }

    // A running timer picks up the new speed at its next step.
    if (! isTimerRunning())
        startTimer (stepInterval);
}

void SpecialWheel::mouseUp (const juce::MouseEvent&)
{
    if (isTimerRunning())
        stopRunning();
}

void SpecialWheel::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    stepByWheel (wheel);
}

void SpecialWheel::timerCallback()
{
    position = limitToRange (runningUp ? position + 1 : position - 1);
    showPosition();

    // At the fastest speed listeners would be flooded; they hear of the run when it stops.
    if (stepInterval > 10)
        sendChangeMessage();

    startTimer (stepInterval);
}

void SpecialWheel::paint (juce::Graphics& g)
{
    const auto w = (float) getWidth();
    const auto h = (float) getHeight();
    const auto halfWidth = getWidth() / 2;

    g.setColour (juce::Colours::white);
    g.drawLine ((float) halfWidth, 1.0f, (float) halfWidth, h - 30.0f);

    if (count < 0 || position < 0)
        return;

    // The knob leaves its resting place in the direction of the run, farther at higher speed.
    const auto centreY = h / 2.0f - 23.0f;
    const auto bottomY = h - 45.0f;
    auto knobY = centreY;

    if (isTimerRunning())
    {
        const auto period = getTimerInterval();

        if (runningUp)
            knobY = period >= 200 ? 2.0f * centreY / 3.0f
                  : period >= 80  ? centreY / 3.0f
                                  : 1.0f;
        else
            knobY = period >= 200 ? centreY + (bottomY - centreY) / 3.0f
                  : period >= 80  ? centreY + 2.0f * (bottomY - centreY) / 3.0f
                                  : bottomY;
    }

    const juce::Rectangle<float> knob (w / 2.0f - 8.0f, knobY, 16.0f, 16.0f);
    g.setColour (juce::Colours::violet);
    g.fillEllipse (knob);
    g.setColour (juce::Colours::darkgrey);
    g.drawEllipse (knob, 1.0f);

    const juce::Font font ("Verdana", 12.0f, juce::Font::plain);
    const auto countText = "/" + juce::String (count);
    const auto boxWidth = font.getStringWidthFloat (countText) + 4.0f;
    const auto boxX = (float) halfWidth - boxWidth / 2.0f;

    const juce::Rectangle<float> box (boxX - 4.0f, h - 25.0f, boxWidth + 8.0f, 25.0f);
    g.setColour (juce::Colours::black);
    g.fillRoundedRectangle (box, 5.0f);
    // Only Tab gives the wheel the focus: its frame then lights up a little.
    g.setColour (hasKeyboardFocus (false) ? juce::Colours::lightgrey : juce::Colours::darkgrey);
    g.drawRoundedRectangle (box, 5.0f, 1.0f);

    g.setColour (juce::Colours::lightgrey);
    g.setFont (font);

    const auto textX = juce::roundToInt (boxX);
    const auto textWidth = juce::roundToInt (boxWidth);
    g.drawFittedText (juce::String (position + 1), textX, getHeight() - 24, textWidth, 12,
                      juce::Justification::topLeft, 1, 0.7f);
    g.drawFittedText (countText, textX, getHeight() - 14, textWidth, 12,
                      juce::Justification::topRight, 1, 0.7f);
}
