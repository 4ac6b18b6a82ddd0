#pragma once

#include "widgets/AccessiblePart.h"

#include <juce_gui_basics/juce_gui_basics.h>

class TagCatalogue;

/**
    Picks the tags of one advice item: five category tabs above a bar with one cell per
    tag of the current category. A press on a cell toggles its tag; a drag carries the
    same toggle over the cells it crosses. Hovering shows names and descriptions from
    the catalogue in its current language.

    The selection goes in and out as tag list text ("2,406,"). Every press and drag on
    the bar sends a change message; a mouse-wheel movement sends the action message
    "Wheel", after which getLastWheelDetails() holds its details.

    For a screen reader the tabs are radio buttons named by their categories, and the tags of
    the category shown are toggle buttons in a group named by it, with the catalogue's
    description as help. From the keyboard the tabs are one stop of Tab and the tags another;
    Left and Right move within them, Space or Return presses. The part with the focus shows its
    name and description as hovering does, and a faint frame marks it.
*/
class SpecialTagManager : public juce::Component,
                          public juce::ChangeBroadcaster,
                          public juce::ActionBroadcaster
{
public:
    explicit SpecialTagManager (const TagCatalogue* catalogue);
    ~SpecialTagManager() override;

    /** 0 for French, any other value for English; puts the prompt into the title line. */
    void setLanguage (int english);

    /** Replaces the selection by the ids of a tag list text; text after the last comma is ignored. */
    void setSelectedTags (const juce::String& tagListText);
    juce::String getSelectedTags() const;

    /** The base colour of the bar's cells. */
    void setHighlightColour (juce::Colour colour);

    /** Shows the first category again. */
    void resetCategory();

    juce::MouseWheelDetails getLastWheelDetails() const noexcept { return lastWheel; }

    int getCurrentCategory() const noexcept { return currentCategory; }
    /** The controls standing for a category's tab and for one of its tags. */
    AccessiblePart& getTab (int category) { return *tabs[category]; }
    AccessiblePart& getTag (int tagId) { return *tagParts[tagId / 100]->getUnchecked (tagId % 100); }

    void mouseMove (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;
    void buildParts();
    void selectCategory (int category);
    /** A press on a tag's cell: selects it, or deselects it if it may go. */
    void toggleTag (int tagId);
    /** Left and Right among the tabs or among the tags of the category shown. */
    bool moveByKey (const juce::KeyPress& key, bool amongTabs);
    /** Only the tab shown and one tag of it are stops of Tab. */
    void updateFocusStops();
    void showFocusedPart();
    int getNumTagsInCategory (int category) const;
    /** The tab under a point, or -1. */
    int getTabAt (juce::Point<float> point) const;
    /** The cell of the current category under a point, or -1. */
    int getCellAt (juce::Point<float> point) const;
    /** Removes a selected tag, unless it is the last abstraction-level tag left. */
    void deselect (int tagId);
    void updateLabels (bool preferTag);

    juce::Array<int> selectedTags;
    const TagCatalogue* catalogue;
    int english = 1;
    juce::Label* titleLabel = nullptr;
    juce::Label* descriptionLabel = nullptr;
    int currentCategory = 0;
    int hoveredCategory = -1;
    int hoveredTag = -1;
    juce::Colour highlightColour { 0xFFFFA500 };
    juce::MouseWheelDetails lastWheel {};
    int dragMode = -1;
    juce::OwnedArray<AccessiblePart> tabs, groups;
    juce::OwnedArray<juce::OwnedArray<AccessiblePart>> tagParts;
    int focusStopTag = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SpecialTagManager)
};
