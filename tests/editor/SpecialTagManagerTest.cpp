#include "TestSupport.h"
#include "advice/TagCatalogue.h"
#include "editor/SpecialTagManager.h"

#include <gtest/gtest.h>

namespace
{
juce::MouseEvent mouseAt (juce::Component& c, juce::Point<float> position, juce::Point<float> pressPosition)
{
    return kbtest::mouseEvent (c, position, pressPosition);
}

struct Listener : public juce::ChangeListener,
                  public juce::ActionListener
{
    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++changes; }
    void actionListenerCallback (const juce::String& message) override { actions.add (message); }

    int changes = 0;
    juce::StringArray actions;
};

// The editor's tag manager: 340 x 180, bar from x 30 to 310, tabs hit every 56 pixels.
struct SpecialTagManagerTest : public ::testing::Test
{
    SpecialTagManagerTest()
    {
        manager.setSize (340, 180);
        manager.setLanguage (1);
        manager.addChangeListener (&listener);
        manager.addActionListener (&listener);
    }

    ~SpecialTagManagerTest() override
    {
        manager.removeChangeListener (&listener);
        manager.removeActionListener (&listener);
    }

    void press (float x, float y)
    {
        pressPoint = { x, y };
        manager.mouseDown (mouseAt (manager, pressPoint, pressPoint));
    }

    void dragTo (float x, float y) { manager.mouseDrag (mouseAt (manager, { x, y }, pressPoint)); }
    void release() { manager.mouseUp (mouseAt (manager, pressPoint, pressPoint)); }
    void click (float x, float y)
    {
        press (x, y);
        release();
    }
    void moveTo (float x, float y) { manager.mouseMove (mouseAt (manager, { x, y }, { x, y })); }

    /** The centre of a cell of the current category's bar. */
    float cellX (int cell, int numCells) const { return 30.0f + (cell + 0.5f) * 280.0f / (float) numCells; }

    /** Press inside tab k, which selects that category. */
    void showCategory (int k) { click (30.0f + 56.0f * (float) k + 28.0f, 50.0f); }

    int countChanges()
    {
        kbtest::pumpMessages (20);
        const auto n = listener.changes;
        listener.changes = 0;
        return n;
    }

    juce::Label& label (int index) { return *dynamic_cast<juce::Label*> (manager.getChildComponent (index)); }

    TagCatalogue catalogue;
    SpecialTagManager manager { &catalogue };
    Listener listener;
    juce::Point<float> pressPoint;
};
} // namespace

TEST_F (SpecialTagManagerTest, TagListTextRoundTrip)
{
    EXPECT_EQ (manager.getSelectedTags(), "");

    manager.setSelectedTags ("2,406,");
    EXPECT_EQ (manager.getSelectedTags(), "2,406,");

    manager.setSelectedTags ("5,300");
    EXPECT_EQ (manager.getSelectedTags(), "5,");

    manager.setSelectedTags ("x,7,7,");
    EXPECT_EQ (manager.getSelectedTags(), "0,7,7,");

    manager.setSelectedTags ("");
    EXPECT_EQ (manager.getSelectedTags(), "");
}

TEST_F (SpecialTagManagerTest, BarBoundariesAreStrict)
{
    // y 70 and 90 are the bar's edges; x 30 and 310 its ends.
    for (auto point : { juce::Point<float> (100, 70), { 100, 90 }, { 30, 80 }, { 310, 80 }, { 100, 65 } })
    {
        click (point.x, point.y);
        EXPECT_EQ (manager.getSelectedTags(), "") << point.toString();
    }

    EXPECT_EQ (countChanges(), 0);

    click (31.0f, 71.0f);
    EXPECT_EQ (manager.getSelectedTags(), "0,");
    click (309.0f, 89.0f);
    EXPECT_EQ (manager.getSelectedTags(), "0,2,");
    EXPECT_GE (countChanges(), 1);
}

TEST_F (SpecialTagManagerTest, TabBoundariesAreStrictAndTabsSendNothing)
{
    const auto x = 30.0f + 56.0f * 2.0f + 1.0f; // inside tab 2

    click (x, 40.0f);
    click (x, 60.0f);
    click (cellX (1, 3), 80.0f);
    EXPECT_EQ (manager.getSelectedTags(), "1,");
    countChanges();

    click (x, 41.0f);
    EXPECT_EQ (countChanges(), 0);
    click (cellX (1, 16), 80.0f);
    EXPECT_EQ (manager.getSelectedTags(), "1,201,");

    // In the tab zone x 30 is inside tab 0, and x 310 beyond the last tab.
    click (310.0f, 50.0f);
    click (cellX (2, 16), 80.0f);
    EXPECT_EQ (manager.getSelectedTags(), "1,201,202,");

    click (30.0f, 50.0f);
    click (cellX (0, 3), 80.0f);
    EXPECT_EQ (manager.getSelectedTags(), "1,201,202,0,");
}

TEST_F (SpecialTagManagerTest, TabsArePaintedWiderThanTheyAreHit)
{
    manager.setSize (560, 180);

    // Tab 1 is hit from x 130 ...
    click (129.0f, 50.0f);
    click (80.0f, 80.0f);
    EXPECT_EQ (manager.getSelectedTags(), "0,");
    click (130.0f, 50.0f);
    click (35.0f, 80.0f);
    EXPECT_EQ (manager.getSelectedTags(), "0,100,");

    // ... but its outline is painted from x 131.
    const auto image = kbtest::renderComponent (manager);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (131, 50), juce::Colour (0xFFD3D3D3)));
    EXPECT_EQ (image.getPixelAt (130, 50).getAlpha(), 0);
}

TEST_F (SpecialTagManagerTest, DragSelectsOrDeselectsAsThePressDecided)
{
    showCategory (2);

    press (cellX (0, 16), 80.0f);
    for (int cell = 1; cell <= 3; ++cell)
        dragTo (cellX (cell, 16), 80.0f);
    dragTo (cellX (5, 16), 100.0f); // below the bar: no effect
    release();
    EXPECT_EQ (manager.getSelectedTags(), "200,201,202,203,");
    EXPECT_GE (countChanges(), 1);

    press (cellX (1, 16), 80.0f);
    dragTo (cellX (2, 16), 80.0f);
    dragTo (cellX (5, 16), 80.0f); // unselected: a deselecting drag leaves it alone
    release();
    EXPECT_EQ (manager.getSelectedTags(), "200,203,");

    // After the release a drag over the bar, from a press outside it, changes nothing
    // although it still reports.
    press (cellX (4, 16), 65.0f);
    dragTo (cellX (4, 16), 80.0f);
    dragTo (cellX (0, 16), 80.0f);
    release();
    EXPECT_EQ (manager.getSelectedTags(), "200,203,");
    EXPECT_GE (countChanges(), 1);
}

TEST_F (SpecialTagManagerTest, LastAbstractionLevelCannotBeDeselected)
{
    manager.setSelectedTags ("1,405,");

    press (cellX (1, 3), 80.0f);
    EXPECT_EQ (manager.getSelectedTags(), "1,405,");
    EXPECT_EQ (countChanges(), 1);

    // The press armed deselection, so the drag adds nothing.
    dragTo (cellX (0, 3), 80.0f);
    release();
    EXPECT_EQ (manager.getSelectedTags(), "1,405,");

    manager.setSelectedTags ("0,2,");
    press (cellX (0, 3), 80.0f);
    dragTo (cellX (1, 3), 80.0f);
    dragTo (cellX (2, 3), 80.0f);
    release();
    EXPECT_EQ (manager.getSelectedTags(), "2,");

    // Other categories may be emptied.
    manager.setSelectedTags ("2,405,");
    showCategory (4);
    click (cellX (5, 18), 80.0f);
    EXPECT_EQ (manager.getSelectedTags(), "2,");
}

TEST_F (SpecialTagManagerTest, HoverShowsCatalogueTextsInItsLanguage)
{
    auto& title = label (0);
    auto& description = label (1);
    EXPECT_EQ (title.getText(), "Choose the tags associated with the advice");

    catalogue.rebuild (false);
    manager.setLanguage (0);
    EXPECT_EQ (title.getText(), juce::String::fromUTF8 ("Choisissez les tags associés au conseil"));

    moveTo (30.0f + 56.0f * 4.0f + 10.0f, 50.0f);
    EXPECT_EQ (title.getText(), catalogue.getCategoryName (4));
    EXPECT_EQ (description.getText(), catalogue.getCategoryDescription (4));

    // Pressing a tab switches the bar but leaves the labels until the mouse moves.
    press (30.0f + 56.0f * 4.0f + 10.0f, 50.0f);
    release();
    EXPECT_EQ (title.getText(), catalogue.getCategoryName (4));

    moveTo (cellX (6, 18), 80.0f);
    EXPECT_EQ (title.getText(), juce::String::fromUTF8 ("Mélodie"));
    EXPECT_EQ (description.getText(), catalogue.getTagDescription (406));
    EXPECT_NE (description.getText(), "");

    manager.mouseExit (mouseAt (manager, { 400.0f, 80.0f }, { 400.0f, 80.0f }));
    EXPECT_EQ (title.getText(), juce::String::fromUTF8 ("Mélodie"));
}

TEST_F (SpecialTagManagerTest, MouseWheelIsPassedOnWithItsDetails)
{
    juce::MouseWheelDetails details {};
    details.deltaY = -0.25f;
    details.isReversed = true;

    manager.mouseWheelMove (mouseAt (manager, { 100, 80 }, { 100, 80 }), details);
    ASSERT_TRUE (kbtest::pumpUntil ([&] { return listener.actions.size() > 0; }));
    EXPECT_EQ (listener.actions, juce::StringArray ("Wheel"));
    EXPECT_EQ (manager.getLastWheelDetails().deltaY, -0.25f);
    EXPECT_TRUE (manager.getLastWheelDetails().isReversed);
    EXPECT_EQ (manager.getSelectedTags(), "");
}

TEST_F (SpecialTagManagerTest, CellsShowSelectionInTheHighlightColour)
{
    const auto base = juce::Colour (0xFF228B22);
    manager.setHighlightColour (base);
    manager.setSelectedTags ("2,");
    // No cell looks hovered before the mouse has been over the bar.
    EXPECT_TRUE (kbtest::coloursClose (kbtest::renderComponent (manager).getPixelAt ((int) cellX (0, 3), 80), base));
    moveTo (cellX (1, 3), 80.0f);

    const auto image = kbtest::renderComponent (manager);
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt ((int) cellX (0, 3), 80), base));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt ((int) cellX (1, 3), 80), base.brighter (0.25f)));
    EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt ((int) cellX (2, 3), 80), base.brighter (0.7f)));
}
