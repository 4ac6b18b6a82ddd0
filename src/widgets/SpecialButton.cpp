#include "SpecialButton.h"

namespace
{
class SpecialButtonAccessibilityHandler : public juce::AccessibilityHandler
{
public:
    explicit SpecialButtonAccessibilityHandler (SpecialButton& buttonToWrap)
        : juce::AccessibilityHandler (buttonToWrap,
                                      buttonToWrap.isToggleable() ? juce::AccessibilityRole::toggleButton : juce::AccessibilityRole::button,
                                      actionsFor (buttonToWrap)),
          button (buttonToWrap)
    {
    }

    juce::String getTitle() const override
    {
        const auto title = button.getTitle();
        return title.isNotEmpty() ? title : button.getShownCaption();
    }

    juce::AccessibleState getCurrentState() const override
    {
        auto state = juce::AccessibilityHandler::getCurrentState();

        if (button.isToggleable())
            state = button.getOnState() != 0 ? state.withCheckable().withChecked() : state.withCheckable();

        return state;
    }

private:
    static juce::AccessibilityActions actionsFor (SpecialButton& button)
    {
        auto actions = juce::AccessibilityActions().addAction (juce::AccessibilityActionType::press, [&button] { button.triggerClick(); });

        // At once, not through the message loop: a screen reader reads the new state right after.
        if (button.isToggleable())
            actions.addAction (juce::AccessibilityActionType::toggle,
                               [&button] { button.setToggleState (button.getOnState() == 0, juce::sendNotificationSync); });

        return actions;
    }

    SpecialButton& button;
};
} // namespace

SpecialButton::SpecialButton()
    : juce::Button (juce::String())
{
    // A click leaves the focus where it was: Space and Return then keep their meaning there.
    setMouseClickGrabsKeyboardFocus (false);
    updateCircle();
}

SpecialButton::~SpecialButton() = default;

//==============================================================================
void SpecialButton::setType (const juce::String& newType)
{
    typeName = newType;
}

void SpecialButton::setButtonColour (juce::Colour newColour)
{
    buttonColour = newColour;
}

void SpecialButton::setCaption (const juce::String& newCaption)
{
    caption = newCaption;
}

void SpecialButton::setCaptions (const juce::String& offCaption, const juce::String& onCaptionText)
{
    caption = offCaption;
    onCaption = onCaptionText;
}

void SpecialButton::setFilled()
{
    ringOnly = false;
}

void SpecialButton::setCaptionPosition (int newPosition)
{
    captionPosition = newPosition;
    updateCircle();
}

void SpecialButton::setSmall()
{
    small = true;
    updateCircle();
}

void SpecialButton::setCaptionAlwaysShown (bool shouldAlwaysShow)
{
    captionAlwaysShown = shouldAlwaysShow;
}

void SpecialButton::setHighlightMode (int newMode)
{
    highlightMode = newMode;
    repaint();
}

void SpecialButton::setOnState (int newState)
{
    const auto changed = onState != newState;
    onState = newState;
    // The toggle state follows, so that a toggle through the screen reader starts from it.
    setToggleState (newState != 0, juce::dontSendNotification);
    repaint();

    if (changed)
        if (auto* handler = getAccessibilityHandler())
            handler->notifyAccessibilityEvent (juce::AccessibilityEvent::valueChanged);
}

//==============================================================================
void SpecialButton::updateCircle()
{
    const auto height = (float) getHeight();

    circleSize = small ? 20.0f : 30.0f;
    circleX = 5.0f;

    if (captionPosition == 0)
        circleY = (height - circleSize) * 0.5f;
    else if (captionPosition == 2 || captionPosition == 4)
        circleY = 5.0f;
    else
        circleY = height - circleSize - 5.0f;
}

void SpecialButton::resized()
{
    updateCircle();
}

//==============================================================================
void SpecialButton::paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown)
{
    using namespace juce;

    const auto cx = circleX + circleSize * 0.5f;
    const auto cy = circleY + circleSize * 0.5f;

    if (! ringOnly && (shouldDrawButtonAsDown || highlightMode == 1 || highlightMode == 2))
    {
        // Fades out exactly at the edge of a circle that reaches the button's left side.
        g.setGradientFill (ColourGradient (Colours::beige, cx, cy, Colours::beige.withAlpha (0.0f), 0.0f, cy, true));
        g.fillEllipse (0.0f, circleY - circleX, circleSize + 2.0f * circleX, circleSize + 2.0f * circleX);
    }

    Colour colour;

    if (highlightMode == 2)
    {
        colour = Colours::white;

        if (shouldDrawButtonAsHighlighted)
            colour = colour.darker (0.1f);

        if (shouldDrawButtonAsDown)
            colour = colour.darker (0.1f);
    }
    else
    {
        colour = buttonColour;

        if (shouldDrawButtonAsHighlighted)
            colour = colour.brighter (0.25f);

        if (shouldDrawButtonAsDown)
            colour = colour.brighter (0.2f);
    }

    g.setColour (colour);

    if (ringOnly)
    {
        g.drawEllipse (circleX, circleY, circleSize, circleSize, 3.0f);
    }
    else
    {
        g.fillEllipse (circleX, circleY, circleSize, circleSize);
        g.setColour (Colours::white.withAlpha (0.4f));
        g.drawEllipse (circleX, circleY, circleSize, circleSize, 1.0f);
    }

    g.setColour (Colours::white);

    if (typeName == "+")
    {
        g.drawLine (circleX + 8.0f, circleY + 15.0f, circleX + 22.0f, circleY + 15.0f, 2.0f);
        g.drawLine (circleX + 15.0f, circleY + 8.0f, circleX + 15.0f, circleY + 22.0f, 2.0f);
    }
    else if (typeName == "Back")
    {
        g.drawArrow ({ circleX + 8.0f, circleY + 15.0f, circleX + 22.0f, circleY + 15.0f }, 1.0f, 12.0f, 6.0f);
    }
    else if (typeName == "Menu")
    {
        Path triangle;
        triangle.addPolygon ({ cx, cy }, 3, circleSize / 4.0f, 0.0f);
        g.fillPath (triangle);
    }
    else if (typeName == "Favorite")
    {
        Path star;
        star.addStar ({ cx, cy }, 5, circleSize / 8.0f, circleSize / 4.0f, 0.0f);
        g.fillPath (star);

        if (onState == 0)
        {
            // Punching a smaller black star out leaves the outline of an unmarked favourite.
            Path hole;
            hole.addStar ({ cx, cy }, 5, 0.35f * circleSize / 4.0f, 0.7f * circleSize / 4.0f, 0.0f);
            g.setColour (Colours::black);
            g.fillPath (hole);
        }
    }

    const auto keyboardFocus = hasKeyboardFocus (false);

    if (keyboardFocus)
    {
        // Only Tab gives a button the focus (a click does not): a faint ring tells where it is.
        g.setColour (Colours::lightgrey.withAlpha (0.6f));
        g.drawEllipse (circleX - 3.0f, circleY - 3.0f, circleSize + 6.0f, circleSize + 6.0f, 1.0f);
    }

    const auto& shownCaption = getShownCaption();

    if (caption.isEmpty() || shownCaption.isEmpty() || ! (shouldDrawButtonAsHighlighted || captionAlwaysShown || keyboardFocus))
        return;

    const Font font ("Verdana", 12.0f, Font::plain);
    const auto ascent = font.getAscent();
    const auto height = getHeight();
    int tx = 0, ty = 0;

    switch (captionPosition)
    {
        case 0:  tx = (int) (circleX + circleSize + 5.0f);        ty = (int) ((float) (height / 2) - ascent + 2.0f); break;
        case 1:  tx = (int) (circleX + circleSize + 5.0f);        ty = (int) (circleY - ascent - 10.0f);            break;
        case 2:  tx = (int) (circleX + circleSize + 5.0f);        ty = (int) (circleY + circleSize + 3.0f);         break;
        case 3:  tx = (int) (circleX + circleSize / 2.0f + 2.0f); ty = (int) (circleY - ascent - 10.0f);            break;
        case 4:  tx = (int) (circleX + circleSize / 2.0f + 2.0f); ty = (int) (circleY + circleSize + 3.0f);         break;
        default: break;
    }

    g.setColour (Colours::lightgrey);
    g.setFont (font);

    if (captionPosition != 0)
    {
        // The underline follows the text actually shown, so it fits both captions.
        const auto baseline = (float) ty + ascent;
        const auto textWidth = font.getStringWidthFloat (shownCaption);

        g.drawLine (cx, cy, (float) tx - 2.0f, baseline, 1.0f);
        g.drawLine ((float) tx - 2.0f, baseline, (float) tx + textWidth + 4.0f, baseline, 1.0f);
    }

    g.drawFittedText (shownCaption, tx, ty, getWidth() - tx, 24, Justification::topLeft, 1, 0.7f);
}

//==============================================================================
bool SpecialButton::isInCircle (const juce::MouseEvent& e) const
{
    const auto p = e.position;
    return p.x >= circleX && p.x < circleX + circleSize
        && p.y >= circleY && p.y < circleY + circleSize;
}

void SpecialButton::mouseMove (const juce::MouseEvent& e)
{
    if (isInCircle (e))
        juce::Button::mouseEnter (e);
    else
        juce::Button::mouseExit (e);
}

void SpecialButton::mouseEnter (const juce::MouseEvent& e)
{
    mouseMove (e);
}

void SpecialButton::mouseExit (const juce::MouseEvent& e)
{
    juce::Button::mouseExit (e);
}

void SpecialButton::mouseDown (const juce::MouseEvent& e)
{
    if (! isInCircle (e))
    {
        juce::Button::mouseExit (e);
        return;
    }

    // A focus within the panel stays where it is, but a window without the focus gets it back
    // as a click that takes the focus would give it: a popup menu opened by the click stays
    // open only in the active window.
    if (auto* parent = getParentComponent(); parent != nullptr && parent->isShowing() && ! parent->hasKeyboardFocus (true))
        parent->grabKeyboardFocus();

    juce::Button::mouseDown (e);
}

void SpecialButton::mouseDrag (const juce::MouseEvent& e)
{
    if (isInCircle (e))
        juce::Button::mouseDrag (e);
    else
        juce::Button::mouseExit (e);
}

void SpecialButton::mouseUp (const juce::MouseEvent& e)
{
    if (isInCircle (e))
        juce::Button::mouseUp (e);
    else
        juce::Button::mouseExit (e);
}

void SpecialButton::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (! isInCircle (e))
        juce::Button::mouseExit (e);
}

bool SpecialButton::keyPressed (const juce::KeyPress& key)
{
    // Space as well as Return, as buttons answer on every desktop.
    if (isEnabled() && (key == juce::KeyPress::spaceKey || key == juce::KeyPress::returnKey))
    {
        triggerClick();
        return true;
    }

    return false;
}

std::unique_ptr<juce::AccessibilityHandler> SpecialButton::createAccessibilityHandler()
{
    return std::make_unique<SpecialButtonAccessibilityHandler> (*this);
}
