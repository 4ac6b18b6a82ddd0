#include "SpecialTagManager.h"

#include "advice/TagCatalogue.h"

namespace
{
constexpr int barLeft = 30;
constexpr int barTop = 70;
constexpr int barBottom = 90;
constexpr int tabTop = 40;
constexpr int tabBottom = 60;
} // namespace

SpecialTagManager::SpecialTagManager (const TagCatalogue* catalogueToUse)
    : catalogue (catalogueToUse)
{
    titleLabel = new juce::Label();
    titleLabel->setColour (juce::Label::textColourId, juce::Colour (0xFF808080));
    titleLabel->setJustificationType (juce::Justification::centred);
    titleLabel->setFont (juce::Font ("Verdana", 12.0f, juce::Font::plain));
    addAndMakeVisible (titleLabel);

    descriptionLabel = new juce::Label();
    descriptionLabel->setColour (juce::Label::textColourId, juce::Colour (0xFFD3D3D3));
    descriptionLabel->setJustificationType (juce::Justification::topLeft);
    descriptionLabel->setFont (juce::Font ("Verdana", 12.0f, juce::Font::plain));
    // A scale of exactly 1.0 makes the look and feel word-wrap the description.
    descriptionLabel->setMinimumHorizontalScale (1.0f);
    addAndMakeVisible (descriptionLabel);

    // The labels only display; the mouse belongs to the tabs and the bar.
    titleLabel->setInterceptsMouseClicks (false, false);
    descriptionLabel->setInterceptsMouseClicks (false, false);
}

SpecialTagManager::~SpecialTagManager()
{
    deleteAllChildren();
}

void SpecialTagManager::setLanguage (int newEnglish)
{
    english = newEnglish;
    titleLabel->setText (english == 0 ? juce::String::fromUTF8 ("Choisissez les tags associés au conseil")
                                      : juce::String ("Choose the tags associated with the advice"),
                         juce::dontSendNotification);
    // One tab name differs between the languages.
    repaint();
}

void SpecialTagManager::setSelectedTags (const juce::String& tagListText)
{
    selectedTags.clearQuick();

    for (int start = 0;;)
    {
        const auto comma = tagListText.indexOfChar (start, ',');

        if (comma < 0)
            break;

        selectedTags.add (tagListText.substring (start, comma).getIntValue());
        start = comma + 1;
    }
}

juce::String SpecialTagManager::getSelectedTags() const
{
    juce::String text;

    for (auto id : selectedTags)
        text << id << ',';

    return text;
}

void SpecialTagManager::setHighlightColour (juce::Colour colour)
{
    highlightColour = colour;
    repaint();
}

void SpecialTagManager::resetCategory()
{
    currentCategory = 0;
    updateLabels (false);
    repaint();
}

int SpecialTagManager::getNumTagsInCategory (int category) const
{
    return catalogue != nullptr ? catalogue->getCategoryTagNames (category).size() : 0;
}

int SpecialTagManager::getTabAt (juce::Point<float> point) const
{
    if (! (point.y > (float) tabTop && point.y < (float) tabBottom))
        return -1;

    // Tabs are hit on a slightly narrower pitch than they are painted; every painted
    // tab still lies within its own hit zone.
    const auto tabWidth = (getWidth() - 60) / 5;

    for (int k = 0; k < TagCatalogue::numCategories; ++k)
        if (point.x >= (float) (barLeft + k * tabWidth) && point.x < (float) (barLeft + (k + 1) * tabWidth))
            return k;

    return -1;
}

int SpecialTagManager::getCellAt (juce::Point<float> point) const
{
    if (! (point.y > (float) barTop && point.y < (float) barBottom
           && point.x > (float) barLeft && point.x < (float) (getWidth() - barLeft)))
        return -1;

    const auto numTags = getNumTagsInCategory (currentCategory);

    if (numTags <= 0)
        return -1;

    const auto cellWidth = (float) (getWidth() - 60) / (float) numTags;
    return juce::jlimit (0, numTags - 1, (int) std::floor ((point.x - (float) barLeft) / cellWidth));
}

void SpecialTagManager::deselect (int tagId)
{
    // Every advice keeps an abstraction level: its last one cannot be taken away.
    if (tagId >= 0 && tagId <= 2)
    {
        int numLevelsSelected = 0;

        for (int level = 0; level <= 2; ++level)
            if (selectedTags.contains (level))
                ++numLevelsSelected;

        if (numLevelsSelected < 2)
            return;
    }

    selectedTags.removeAllInstancesOf (tagId);
}

void SpecialTagManager::updateLabels (bool preferTag)
{
    if (catalogue == nullptr)
        return;

    if (preferTag && hoveredTag != -1)
    {
        const auto id = currentCategory * 100 + hoveredTag;
        descriptionLabel->setText (catalogue->getTagDescription (id), juce::dontSendNotification);
        titleLabel->setText (catalogue->getTagName (id), juce::dontSendNotification);
    }
    else if (hoveredCategory != -1)
    {
        descriptionLabel->setText (catalogue->getCategoryDescription (hoveredCategory), juce::dontSendNotification);
        titleLabel->setText (catalogue->getCategoryName (hoveredCategory), juce::dontSendNotification);
    }
}

void SpecialTagManager::mouseMove (const juce::MouseEvent& e)
{
    const auto oldCategory = hoveredCategory;
    const auto oldTag = hoveredTag;

    hoveredCategory = getTabAt (e.position);
    hoveredTag = getCellAt (e.position);

    if (hoveredTag == -1)
        dragMode = -1;

    repaint();

    if (hoveredTag != oldTag)
        updateLabels (true);
    else if (hoveredCategory != oldCategory)
        updateLabels (false);
}

void SpecialTagManager::mouseExit (const juce::MouseEvent&)
{
    if (hoveredCategory != -1 || hoveredTag != -1)
    {
        hoveredCategory = -1;
        hoveredTag = -1;
        updateLabels (true);
        repaint();
    }

    dragMode = -1;
}

void SpecialTagManager::mouseDown (const juce::MouseEvent& e)
{
    const auto tab = getTabAt (e.position);

    if (tab != -1)
    {
        currentCategory = tab;
        repaint();
        return;
    }

    const auto cell = getCellAt (e.position);

    if (cell == -1)
        return;

    const auto id = currentCategory * 100 + cell;

    if (selectedTags.contains (id))
    {
        deselect (id);
        dragMode = 0;
    }
    else
    {
        selectedTags.add (id);
        dragMode = 1;
    }

    sendChangeMessage();
    repaint();
}

void SpecialTagManager::mouseDrag (const juce::MouseEvent& e)
{
    const auto cell = getCellAt (e.position);

    if (cell == -1)
        return;

    const auto id = currentCategory * 100 + cell;
    const auto isSelected = selectedTags.contains (id);

    if (isSelected && dragMode == 0)
        deselect (id);
    else if (! isSelected && dragMode == 1)
        selectedTags.add (id);

    sendChangeMessage();
    hoveredCategory = -1;
    hoveredTag = cell;
    updateLabels (true);
    repaint();
}

void SpecialTagManager::mouseUp (const juce::MouseEvent&)
{
    dragMode = -1;
}

void SpecialTagManager::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    lastWheel = wheel;
    sendActionMessage ("Wheel");
}

void SpecialTagManager::paint (juce::Graphics& g)
{
    const auto width = getWidth();

    g.setFont (juce::Font ("Verdana", 14.0f, juce::Font::plain));

    const juce::StringArray tabNames { "Abs", "Fct", "Ins", english == 0 ? "Sty" : "Gen", "Thm" };
    const auto tabWidth = (width - 52) / 5;

    for (int k = 0; k < TagCatalogue::numCategories; ++k)
    {
        g.setColour (k == currentCategory   ? juce::Colour (0xFFFFFFFF)
                     : k == hoveredCategory ? juce::Colour (0xFFD3D3D3)
                                            : juce::Colour (0xFF808080));
        g.drawFittedText (tabNames[k], 26 + k * tabWidth, tabTop, tabWidth, 20,
                          juce::Justification::centredTop, 1, 0.7f);

        g.setColour (k == currentCategory ? juce::Colour (0xFFD3D3D3) : juce::Colour (0xFF555555));
        g.drawRect (barLeft + k * tabWidth, tabTop, tabWidth - 8, 16, 1);
    }

    const auto numTags = getNumTagsInCategory (currentCategory);
    const auto barWidth = (float) (width - 60);

    if (numTags > 0)
    {
        const auto cellWidth = barWidth / (float) numTags;

        for (int i = 0; i < numTags; ++i)
        {
            const auto id = currentCategory * 100 + i;

            g.setColour (selectedTags.contains (id) ? highlightColour.brighter (0.7f)
                         : i == hoveredTag          ? highlightColour.brighter (0.25f)
                                                    : highlightColour);
            g.fillRect (juce::Rectangle<float> ((float) barLeft + (float) i * cellWidth, (float) barTop,
                                                cellWidth, (float) (barBottom - barTop)));
        }

        g.setColour (juce::Colours::white);

        for (int i = 1; i < numTags; ++i)
        {
            const auto x = (float) barLeft + (float) i * cellWidth;
            g.drawLine (x, (float) barTop + 1.0f, x, (float) barBottom - 1.0f);
        }
    }

    g.setColour (juce::Colours::white);
    g.drawRect (juce::Rectangle<float> ((float) barLeft, (float) barTop, barWidth, (float) (barBottom - barTop)), 1.0f);
}

void SpecialTagManager::resized()
{
    titleLabel->setBounds (20, 10, getWidth() - 40, 24);
    descriptionLabel->setBounds (20, getHeight() - 80, getWidth() - 40, 90);
}
