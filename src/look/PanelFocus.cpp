#include "PanelFocus.h"

bool PanelFocus::enterOnTab (juce::Component& panel, const juce::KeyPress& key)
{
    const auto shiftTab = juce::KeyPress (juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0);

    // Left to JUCE, Tab would go on from the panel to the screen beneath it.
    if (! panel.hasKeyboardFocus (false) || ! (key == juce::KeyPress::tabKey || key == shiftTab))
        return false;

    const auto controls = panel.createKeyboardFocusTraverser()->getAllComponents (&panel);

    if (! controls.empty())
        (key == shiftTab ? controls.back() : controls.front())->grabKeyboardFocus();

    return true;
}

void PanelFocus::setReadingOrder (const juce::Array<juce::Component*>& controls)
{
    int order = 0;
    for (auto* control : controls)
        control->setExplicitFocusOrder (++order);
}
