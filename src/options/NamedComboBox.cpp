#include "NamedComboBox.h"

#include "widgets/ReadOnlyTextValue.h"

namespace
{
class NamedComboBoxHandler : public juce::AccessibilityHandler
{
public:
    explicit NamedComboBoxHandler (juce::ComboBox& boxToWrap)
        : juce::AccessibilityHandler (boxToWrap, juce::AccessibilityRole::comboBox,
                                      juce::AccessibilityActions()
                                          .addAction (juce::AccessibilityActionType::press, [&boxToWrap] { boxToWrap.showPopup(); })
                                          .addAction (juce::AccessibilityActionType::showMenu, [&boxToWrap] { boxToWrap.showPopup(); }),
                                      { std::make_unique<ReadOnlyTextValue> ([&boxToWrap] { return boxToWrap.getText(); }) }),
          box (boxToWrap)
    {
    }

    juce::AccessibleState getCurrentState() const override
    {
        auto state = juce::AccessibilityHandler::getCurrentState().withExpandable();
        return box.isPopupActive() ? state.withExpanded() : state.withCollapsed();
    }

    juce::String getHelp() const override { return box.getTooltip(); }

private:
    juce::ComboBox& box;
};
} // namespace

std::unique_ptr<juce::AccessibilityHandler> NamedComboBox::createAccessibilityHandler()
{
    return std::make_unique<NamedComboBoxHandler> (*this);
}
