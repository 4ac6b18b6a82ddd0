#include "SpecialColourSelector.h"

namespace
{
// The palette's colours by the names a person would give them, French then English.
const char* const colourNames[][2] = {
    { "rouge", "red" }, { "écarlate", "scarlet" }, { "rouge orangé", "orange red" }, { "orange", "orange" },
    { "ambre", "amber" }, { "jaune", "yellow" }, { "jaune citron", "lemon yellow" }, { "vert jaune", "yellow green" },
    { "vert lime", "lime green" }, { "vert vif", "bright green" }, { "vert", "green" }, { "vert émeraude", "emerald green" },
    { "vert printemps", "spring green" }, { "vert menthe", "mint green" }, { "vert d'eau", "sea green" }, { "aigue-marine", "aquamarine" },
    { "cyan", "cyan" }, { "bleu ciel", "sky blue" }, { "azur", "azure" }, { "bleu vif", "bright blue" },
    { "bleu roi", "royal blue" }, { "bleu", "blue" }, { "bleu outremer", "ultramarine" }, { "indigo", "indigo" },
    { "violet", "violet" }, { "pourpre", "purple" }, { "orchidée", "orchid" }, { "magenta", "magenta" },
    { "fuchsia", "fuchsia" }, { "rose vif", "deep pink" }, { "framboise", "raspberry" }, { "cramoisi", "crimson" }
};
} // namespace

SpecialColourSelector::SpecialColourSelector()
{
    for (int i = 0; i < numColumns * numRows; ++i)
        palette.add (juce::Colours::red.withHue ((float) i * 0.03125f));

    // Orange is the colour of every new set, so it must be selectable.
    palette.set (3, juce::Colours::orange);

    setFocusContainerType (FocusContainerType::focusContainer);

    for (int i = 0; i < palette.size(); ++i)
    {
        auto* square = squares.add (new AccessiblePart (juce::AccessibilityRole::radioButton));
        square->getName = [this, i] { return getColourName (i); };
        square->isChecked = [this, i] { return i == selectedIndex; };
        square->onPress = [this, i] { choose (i); };
        square->onKey = [this] (const juce::KeyPress& key) { return moveByKey (key); };
        square->onFocusChange = [this] { repaint(); };
        addAndMakeVisible (square);
    }

    updateFocusStop();
    setLanguage (english);
}

SpecialColourSelector::~SpecialColourSelector() = default;

void SpecialColourSelector::setLanguage (int newEnglish)
{
    english = newEnglish;
    setTitle (english == 0 ? "Couleur du set" : "Set colour");
}

juce::String SpecialColourSelector::getColourName (int index) const
{
    if (! juce::isPositiveAndBelow (index, (int) std::size (colourNames)))
        return {};

    return juce::String::fromUTF8 (colourNames[index][english == 0 ? 0 : 1]);
}

std::unique_ptr<juce::AccessibilityHandler> SpecialColourSelector::createAccessibilityHandler()
{
    return std::make_unique<juce::AccessibilityHandler> (*this, juce::AccessibilityRole::group);
}

void SpecialColourSelector::choose (int index)
{
    // The keyboard's place follows the choice, or its mark would stay on the colour left.
    const auto focused = hasKeyboardFocus (true);
    selectedIndex = index;
    updateFocusStop();

    if (focused)
        squares[index]->grabKeyboardFocus();

    sendChangeMessage();
    repaint();
}

void SpecialColourSelector::updateFocusStop()
{
    for (int i = 0; i < squares.size(); ++i)
        squares[i]->setWantsKeyboardFocus (i == selectedIndex);
}

bool SpecialColourSelector::moveByKey (const juce::KeyPress& key)
{
    const auto step = key == juce::KeyPress::leftKey ? -1 : key == juce::KeyPress::rightKey ? 1
                    : key == juce::KeyPress::upKey ? -numColumns : key == juce::KeyPress::downKey ? numColumns : 0;
    const auto target = selectedIndex + step;

    // The arrows stop at the edges of the grid rather than wrap round.
    if (step == 0 || ! juce::isPositiveAndBelow (target, palette.size())
        || ((step == 1 || step == -1) && target / numColumns != selectedIndex / numColumns))
        return step != 0;

    squares[target]->press();
    return true;
}

void SpecialColourSelector::resized()
{
    const auto slot = getSlotSize();
    const auto gridX = (getWidth() - numColumns * slot) / 2;
    const auto gridY = (getHeight() - numRows * slot) / 2;

    for (int i = 0; i < squares.size(); ++i)
        squares[i]->setBounds (gridX + (i % numColumns) * slot, gridY + (i / numColumns) * slot, slot, slot);
}

void SpecialColourSelector::setSelectedColour (juce::Colour colour)
{
    selectedIndex = 0;

    for (int i = palette.size(); --i >= 0;)
    {
        if (palette.getReference (i) == colour)
        {
            selectedIndex = i;
            break;
        }
    }

    updateFocusStop();
}

juce::Colour SpecialColourSelector::getSelectedColour() const
{
    return palette[selectedIndex];
}

int SpecialColourSelector::getSlotSize() const noexcept
{
    // The largest square slot with which the whole grid fits the component.
    return juce::jmin (getWidth() / numColumns, getHeight() / numRows);
}

void SpecialColourSelector::mouseDown (const juce::MouseEvent& e)
{
    // A square's part covers its whole slot: a press in the gap around a square still counts.
    for (auto* square : squares)
        if (square->getBounds().contains (e.getPosition()))
            square->press();
}

void SpecialColourSelector::paint (juce::Graphics& g)
{
    for (int column = 0; column < numColumns; ++column)
    {
        for (int row = 0; row < numRows; ++row)
        {
            const auto index = column + numColumns * row;
            const auto square = squares[index]->getBounds().reduced (3);

            g.setColour (palette[index]);
            g.fillRect (square);

            if (index == selectedIndex)
            {
                g.setColour (juce::Colour (0xFFFFFFFF));
                g.drawRect (square, 1);
            }

            if (squares[index]->hasKeyboardFocus (false))
            {
                g.setColour (juce::Colours::lightgrey.withAlpha (0.6f));
                g.drawRect (square.expanded (2), 1);
            }
        }
    }
}
