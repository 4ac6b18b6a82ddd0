#include "SpecialTagManager.h"

#include <algorithm>

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

    buildParts();
}

SpecialTagManager::~SpecialTagManager()
{
    // The parts are owned by their arrays, the labels by the widget.
    for (auto* part : tabs)
        removeChildComponent (part);
    for (auto* group : groups)
        removeChildComponent (group);

    deleteAllChildren();
}

void SpecialTagManager::buildParts()
{
    setFocusContainerType (FocusContainerType::focusContainer);

    for (int k = 0; k < TagCatalogue::numCategories; ++k)
    {
        auto* tab = tabs.add (new AccessiblePart (juce::AccessibilityRole::radioButton));
        tab->getName = [this, k] { return catalogue != nullptr ? catalogue->getCategoryName (k) : juce::String(); };
        tab->getHelp = [this, k] { return catalogue != nullptr ? catalogue->getCategoryDescription (k) : juce::String(); };
        tab->isChecked = [this, k] { return k == currentCategory; };
        tab->onPress = [this, k] { selectCategory (k); };
        tab->onKey = [this] (const juce::KeyPress& key) { return moveByKey (key, true); };
        tab->onFocusChange = [this] { showFocusedPart(); };
        addAndMakeVisible (tab);

        auto* group = groups.add (new AccessiblePart (juce::AccessibilityRole::group));
        group->getName = tab->getName;
        addChildComponent (group);

        auto* parts = tagParts.add (new juce::OwnedArray<AccessiblePart>());

        for (int i = 0; i < getNumTagsInCategory (k); ++i)
        {
            const auto id = k * 100 + i;
            auto* tag = parts->add (new AccessiblePart (juce::AccessibilityRole::toggleButton));
            tag->getName = [this, id] { return catalogue->getTagName (id); };
            tag->getHelp = [this, id] { return catalogue->getTagDescription (id); };
            tag->isChecked = [this, id] { return selectedTags.contains (id); };
            tag->onPress = [this, id] { toggleTag (id); };
            tag->onKey = [this] (const juce::KeyPress& key) { return moveByKey (key, false); };
            tag->onFocusChange = [this] { showFocusedPart(); };
            group->addAndMakeVisible (tag);
        }
    }

    selectCategory (currentCategory);
}

std::unique_ptr<juce::AccessibilityHandler> SpecialTagManager::createAccessibilityHandler()
{
    return std::make_unique<juce::AccessibilityHandler> (*this, juce::AccessibilityRole::group);
}

void SpecialTagManager::selectCategory (int category)
{
    // The keyboard's place follows the tab chosen, or its mark would stay on the tab left.
    const auto tabFocused = std::any_of (tabs.begin(), tabs.end(), [] (auto* tab) { return tab->hasKeyboardFocus (false); });
    currentCategory = category;
    focusStopTag = 0;

    for (int k = 0; k < groups.size(); ++k)
        groups[k]->setVisible (k == currentCategory);

    updateFocusStops();

    if (tabFocused)
        tabs[currentCategory]->grabKeyboardFocus();

    repaint();
}

void SpecialTagManager::updateFocusStops()
{
    for (int k = 0; k < tabs.size(); ++k)
    {
        tabs[k]->setWantsKeyboardFocus (k == currentCategory);

        for (int i = 0; i < tagParts[k]->size(); ++i)
            tagParts[k]->getUnchecked (i)->setWantsKeyboardFocus (k == currentCategory && i == focusStopTag);
    }
}

bool SpecialTagManager::moveByKey (const juce::KeyPress& key, bool amongTabs)
{
    const auto step = key == juce::KeyPress::leftKey ? -1 : key == juce::KeyPress::rightKey ? 1 : 0;

    if (step == 0)
        return false;

    if (amongTabs)
    {
        const auto target = currentCategory + step;

        if (juce::isPositiveAndBelow (target, tabs.size()))
            tabs[target]->press();
    }
    else if (juce::isPositiveAndBelow (focusStopTag + step, getNumTagsInCategory (currentCategory)))
    {
        focusStopTag += step;
        updateFocusStops();
        tagParts[currentCategory]->getUnchecked (focusStopTag)->grabKeyboardFocus();
    }

    return true;
}

void SpecialTagManager::showFocusedPart()
{
    repaint();

    if (catalogue == nullptr)
        return;

    // As hovering does: the name and description of what the keyboard is on.
    for (int k = 0; k < tabs.size(); ++k)
    {
        if (tabs[k]->hasKeyboardFocus (false))
        {
            titleLabel->setText (catalogue->getCategoryName (k), juce::dontSendNotification);
            descriptionLabel->setText (catalogue->getCategoryDescription (k), juce::dontSendNotification);
        }

        for (int i = 0; i < tagParts[k]->size(); ++i)
        {
            if (tagParts[k]->getUnchecked (i)->hasKeyboardFocus (false))
            {
                titleLabel->setText (catalogue->getTagName (k * 100 + i), juce::dontSendNotification);
                descriptionLabel->setText (catalogue->getTagDescription (k * 100 + i), juce::dontSendNotification);
            }
        }
    }
}

void SpecialTagManager::setLanguage (int newEnglish)
{
    english = newEnglish;
    titleLabel->setText (english == 0 ? juce::String::fromUTF8 ("Choisissez les tags associés au conseil")
                                      : juce::String ("Choose the tags associated with the advice"),
                         juce::dontSendNotification);
    setTitle (english == 0 ? "Tags du conseil" : "Tags of the advice");
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
    selectCategory (0);
    updateLabels (false);
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
        tabs[tab]->press();
        return;
    }

    const auto cell = getCellAt (e.position);

    if (cell == -1)
        return;

    const auto id = currentCategory * 100 + cell;
    // A drag carries on what the press did: deselecting (0) or selecting (1).
    dragMode = selectedTags.contains (id) ? 0 : 1;
    getTag (id).press();
}

void SpecialTagManager::toggleTag (int tagId)
{
    if (selectedTags.contains (tagId))
        deselect (tagId);
    else
        selectedTags.add (tagId);

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

        if (tabs[k]->hasKeyboardFocus (false))
        {
            g.setColour (juce::Colours::lightgrey.withAlpha (0.6f));
            g.drawRect (barLeft + k * tabWidth - 2, tabTop - 2, tabWidth - 4, 20, 1);
        }
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

    for (auto* tag : *tagParts[currentCategory])
    {
        if (tag->hasKeyboardFocus (false))
        {
            g.setColour (juce::Colours::black.withAlpha (0.6f));
            g.drawRect (tag->getBoundsInParent().translated (barLeft, barTop).reduced (3), 1);
        }
    }
}

void SpecialTagManager::resized()
{
    titleLabel->setBounds (20, 10, getWidth() - 40, 24);
    descriptionLabel->setBounds (20, getHeight() - 80, getWidth() - 40, 90);

    // Each part lies over what it stands for, as paint() draws it.
    const auto tabWidth = (getWidth() - 52) / 5;
    const auto barWidth = (float) (getWidth() - 60);

    for (int k = 0; k < tabs.size(); ++k)
    {
        tabs[k]->setBounds (barLeft + k * tabWidth, tabTop, tabWidth - 8, 16);
        groups[k]->setBounds (barLeft, barTop, getWidth() - 60, barBottom - barTop);

        const auto numTags = tagParts[k]->size();

        for (int i = 0; i < numTags; ++i)
        {
            const auto left = (int) ((float) i * barWidth / (float) numTags);
            const auto right = (int) ((float) (i + 1) * barWidth / (float) numTags);
            tagParts[k]->getUnchecked (i)->setBounds (left, 0, right - left, barBottom - barTop);
        }
    }
}
