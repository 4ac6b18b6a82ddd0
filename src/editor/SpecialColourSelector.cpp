#include "SpecialColourSelector.h"

SpecialColourSelector::SpecialColourSelector()
{
    for (int i = 0; i < numColumns * numRows; ++i)
        palette.add (juce::Colours::red.withHue ((float) i * 0.03125f));

    // Orange is the colour of every new set, so it must be selectable.
    palette.set (3, juce::Colours::orange);
}

SpecialColourSelector::~SpecialColourSelector() = default;

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
    const auto slot = getSlotSize();
    const auto gridX = (getWidth() - numColumns * slot) / 2;
    const auto gridY = (getHeight() - numRows * slot) / 2;
    const auto x = e.getPosition().x;
    const auto y = e.getPosition().y;

    // A press in the gap around a square still counts for that square's slot.
    if (x >= gridX && x < gridX + numColumns * slot && y >= gridY && y < gridY + numRows * slot)
    {
        selectedIndex = (x - gridX) / slot + ((y - gridY) / slot) * numColumns;
        sendChangeMessage();
        repaint();
    }
}

void SpecialColourSelector::paint (juce::Graphics& g)
{
    const auto slot = getSlotSize();
    const auto originX = (getWidth() - numColumns * slot) / 2 + 3;
    const auto originY = (getHeight() - numRows * slot) / 2 + 3;

    for (int column = 0; column < numColumns; ++column)
    {
        for (int row = 0; row < numRows; ++row)
        {
            const auto index = column + numColumns * row;
            const juce::Rectangle<int> square (originX + column * slot, originY + row * slot, slot - 6, slot - 6);

            g.setColour (palette[index]);
            g.fillRect (square);

            if (index == selectedIndex)
            {
                g.setColour (juce::Colour (0xFFFFFFFF));
                g.drawRect (square, 1);
            }
        }
    }
}
