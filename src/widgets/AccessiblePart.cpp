#include "AccessiblePart.h"

namespace
{
class PartHandler : public juce::AccessibilityHandler
{
public:
    PartHandler (AccessiblePart& partToWrap, juce::AccessibilityRole role)
        : juce::AccessibilityHandler (partToWrap, role, actionsFor (partToWrap, role)),
          part (partToWrap)
    {
    }

    juce::String getTitle() const override { return part.getName ? part.getName() : juce::String(); }
    juce::String getHelp() const override { return part.getHelp ? part.getHelp() : juce::String(); }

    juce::AccessibleState getCurrentState() const override
    {
        auto state = juce::AccessibilityHandler::getCurrentState();

        if (part.isChecked)
            state = part.isChecked() ? state.withCheckable().withChecked() : state.withCheckable();

        return state;
    }

private:
    static juce::AccessibilityActions actionsFor (AccessiblePart& part, juce::AccessibilityRole role)
    {
        if (role == juce::AccessibilityRole::group)
            return {};

        juce::AccessibilityActions actions;
        actions.addAction (juce::AccessibilityActionType::press, [&part] { part.press(); });

        if (role == juce::AccessibilityRole::toggleButton)
            actions.addAction (juce::AccessibilityActionType::toggle, [&part] { part.press(); });

        return actions;
    }

    AccessiblePart& part;
};
} // namespace

AccessiblePart::AccessiblePart (juce::AccessibilityRole partRole)
    : role (partRole)
{
    setInterceptsMouseClicks (false, false);
    setWantsKeyboardFocus (false);

    if (role == juce::AccessibilityRole::group)
        setFocusContainerType (FocusContainerType::focusContainer);
}

void AccessiblePart::press()
{
    if (onPress)
        onPress();

    if (auto* handler = getAccessibilityHandler())
        handler->notifyAccessibilityEvent (juce::AccessibilityEvent::valueChanged);
}

bool AccessiblePart::keyPressed (const juce::KeyPress& key)
{
    if (onPress && (key == juce::KeyPress::spaceKey || key == juce::KeyPress::returnKey))
    {
        press();
        return true;
    }

    return onKey && onKey (key);
}

void AccessiblePart::focusGained (FocusChangeType)
{
    if (onFocusChange)
        onFocusChange();
}

void AccessiblePart::focusLost (FocusChangeType)
{
    if (onFocusChange)
        onFocusChange();
}

std::unique_ptr<juce::AccessibilityHandler> AccessiblePart::createAccessibilityHandler()
{
    return std::make_unique<PartHandler> (*this, role);
}
