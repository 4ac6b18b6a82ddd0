#pragma once

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

    void mouseMove (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

private:
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

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SpecialTagManager)
};
