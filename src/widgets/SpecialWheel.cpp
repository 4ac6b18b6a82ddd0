#include "SpecialWheel.h"

SpecialWheel::SpecialWheel() = default;

SpecialWheel::~SpecialWheel()
{
    stopTimer();
}

void SpecialWheel::setPosition (int newPosition)
{
    position = newPosition;
    repaint();
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

    repaint();
    sendChangeMessage();
}

void SpecialWheel::mouseDown (const juce::MouseEvent& e)
{
    if (e.getNumberOfClicks() >= 2)
    {
        position = limitToRange (0);
        repaint();
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
    repaint();

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
    g.setColour (juce::Colours::darkgrey);
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
