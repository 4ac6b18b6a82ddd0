#include "TestSupport.h"
#include "widgets/SpecialWheel.h"

#include <gtest/gtest.h>

namespace
{
struct ChangeCounter : public juce::ChangeListener
{
    explicit ChangeCounter (SpecialWheel& w) : wheel (w) { wheel.addChangeListener (this); }
    ~ChangeCounter() override { wheel.removeChangeListener (this); }

    void changeListenerCallback (juce::ChangeBroadcaster*) override
    {
        ++calls;
        lastPosition = wheel.getPosition();
    }

    SpecialWheel& wheel;
    int calls = 0;
    int lastPosition = -100;
};

juce::MouseEvent mouseAt (juce::Component& c, float y, float pressY, int clicks = 1)
{
    return kbtest::mouseEvent (c, { 35.0f, y }, juce::Point<float> (35.0f, pressY), clicks);
}

juce::MouseWheelDetails wheelDelta (float deltaY, bool reversed = false)
{
    juce::MouseWheelDetails details {};
    details.deltaY = deltaY;
    details.isReversed = reversed;
    return details;
}

// The editor's wheel: 70 x 70, so the track is 40 long and the bands turn at 6, 18 and 30 pixels
// (strictly beyond them downwards, from them on upwards).
struct SpecialWheelTest : public ::testing::Test
{
    SpecialWheelTest()
    {
        wheel.setSize (70, 70);
        wheel.setCount (5);
        wheel.setPosition (2);
    }

    void press (float pressY = 20.0f, int clicks = 1) { wheel.mouseDown (mouseAt (wheel, pressY, pressY, clicks)); }
    void dragBy (float distance) { wheel.mouseDrag (mouseAt (wheel, 20.0f + distance, 20.0f)); }
    void release() { wheel.mouseUp (mouseAt (wheel, 20.0f, 20.0f)); }

    SpecialWheel wheel;
};
} // namespace

TEST_F (SpecialWheelTest, DoubleClickGoesToFirstPositionAndNotifiesOnce)
{
    ChangeCounter counter (wheel);
    wheel.setPosition (4);

    press (20.0f, 1);
    kbtest::pumpMessages (30);
    EXPECT_EQ (wheel.getPosition(), 4);
    EXPECT_EQ (counter.calls, 0);

    press (20.0f, 2);
    ASSERT_TRUE (kbtest::pumpUntil ([&] { return counter.calls > 0; }));
    kbtest::pumpMessages (30);
    EXPECT_EQ (counter.calls, 1);
    EXPECT_EQ (counter.lastPosition, 0);
}

TEST_F (SpecialWheelTest, WithNothingToShowUserMovesStayOnNone)
{
    // An empty set: position 0 would point the owner at an item that does not exist.
    wheel.setCount (0);
    wheel.setPosition (-1);

    press (20.0f, 2);
    EXPECT_EQ (wheel.getPosition(), -1);

    wheel.stepByWheel (wheelDelta (-1.0f));
    EXPECT_EQ (wheel.getPosition(), -1);
    wheel.stepByWheel (wheelDelta (1.0f));
    EXPECT_EQ (wheel.getPosition(), -1);

    press();
    dragBy (40.0f);
    ASSERT_TRUE (wheel.isTimerRunning());
    kbtest::pumpMessages (60);
    release();
    EXPECT_EQ (wheel.getPosition(), -1);
}

TEST_F (SpecialWheelTest, DragBandsChooseDirectionAndSpeed)
{
    struct Band
    {
        float distance;
        bool runs;
        int interval;
    };

    const Band bands[] = { { 6.0f, false, 0 }, { 7.0f, true, 200 }, { 18.0f, true, 200 }, { 19.0f, true, 80 },
                           { 30.0f, true, 80 }, { 31.0f, true, 10 }, { -5.0f, false, 0 }, { -6.0f, true, 200 },
                           { -17.0f, true, 200 }, { -18.0f, true, 80 }, { -29.0f, true, 80 }, { -30.0f, true, 10 } };

    for (const auto& band : bands)
    {
        SCOPED_TRACE (band.distance);
        press();
        dragBy (band.distance);
        EXPECT_EQ (wheel.isTimerRunning(), band.runs);

        if (band.runs)
        {
            EXPECT_EQ (wheel.getTimerInterval(), band.interval);
        }

        release();
        EXPECT_FALSE (wheel.isTimerRunning());
    }
}

TEST_F (SpecialWheelTest, FastRunDownStopsAtZeroAndNotifiesOnceOnRelease)
{
    ChangeCounter counter (wheel);
    wheel.setCount (50);
    wheel.setPosition (30);

    press();
    dragBy (40.0f);
    ASSERT_TRUE (kbtest::pumpUntil ([&] { return wheel.getPosition() == 0; }));

    // It keeps stepping (and clamping) while held, silently.
    kbtest::pumpMessages (60);
    EXPECT_EQ (wheel.getPosition(), 0);
    EXPECT_TRUE (wheel.isTimerRunning());
    EXPECT_EQ (wheel.getTimerInterval(), 10);
    EXPECT_EQ (counter.calls, 0);

    release();
    EXPECT_FALSE (wheel.isTimerRunning());
    ASSERT_TRUE (kbtest::pumpUntil ([&] { return counter.calls > 0; }));
    kbtest::pumpMessages (30);
    EXPECT_EQ (counter.calls, 1);
    EXPECT_EQ (counter.lastPosition, 0);
}

TEST_F (SpecialWheelTest, FastRunUpStopsAtLastPosition)
{
    wheel.setCount (20);
    press();
    dragBy (-40.0f);
    ASSERT_TRUE (kbtest::pumpUntil ([&] { return wheel.getPosition() == 19; }));
    kbtest::pumpMessages (40);
    EXPECT_EQ (wheel.getPosition(), 19);
    release();
}

TEST_F (SpecialWheelTest, SlowerRunsNotifyEveryStep)
{
    ChangeCounter counter (wheel);
    press();
    dragBy (-20.0f);
    ASSERT_TRUE (kbtest::pumpUntil ([&] { return counter.calls > 0; }));
    EXPECT_EQ (counter.lastPosition, 3);
    release();
}

TEST_F (SpecialWheelTest, ReturningToTheMiddleBandStopsAndNotifies)
{
    ChangeCounter counter (wheel);
    press();
    dragBy (40.0f);
    ASSERT_TRUE (wheel.isTimerRunning());

    dragBy (3.0f);
    EXPECT_FALSE (wheel.isTimerRunning());
    ASSERT_TRUE (kbtest::pumpUntil ([&] { return counter.calls > 0; }));

    // A release after that has nothing left to report.
    release();
    kbtest::pumpMessages (30);
    EXPECT_EQ (counter.calls, 1);
}

TEST_F (SpecialWheelTest, MouseWheelStepsByOneWithinRangeAndHonoursReversal)
{
    ChangeCounter counter (wheel);

    wheel.stepByWheel (wheelDelta (0.3f));
    EXPECT_EQ (wheel.getPosition(), 3);
    wheel.stepByWheel (wheelDelta (0.3f, true));
    EXPECT_EQ (wheel.getPosition(), 2);
    wheel.stepByWheel (wheelDelta (-0.3f, true));
    EXPECT_EQ (wheel.getPosition(), 3);

    wheel.setPosition (4);
    wheel.stepByWheel (wheelDelta (1.0f));
    EXPECT_EQ (wheel.getPosition(), 4);
    wheel.setPosition (0);
    wheel.stepByWheel (wheelDelta (-1.0f));
    EXPECT_EQ (wheel.getPosition(), 0);

    ASSERT_TRUE (kbtest::pumpUntil ([&] { return counter.calls > 0; }));
    const auto callsBefore = counter.calls;
    wheel.stepByWheel (wheelDelta (0.0f));
    kbtest::pumpMessages (30);
    EXPECT_EQ (counter.calls, callsBefore);
    EXPECT_EQ (wheel.getPosition(), 0);
}

namespace
{
bool isViolet (const juce::Image& image, int x, int y)
{
    return kbtest::coloursClose (image.getPixelAt (x, y), juce::Colours::violet);
}
} // namespace

TEST_F (SpecialWheelTest, KnobRestsOnTheTrackAndLeavesItWhileRunning)
{
    wheel.setCount (50);
    wheel.setPosition (25);

    // At rest the knob spans (27, 12) to (43, 28).
    auto image = kbtest::renderComponent (wheel);
    EXPECT_TRUE (isViolet (image, 35, 20));
    EXPECT_FALSE (isViolet (image, 35, 33));
    EXPECT_FALSE (isViolet (image, 35, 9));

    // The counter box below the track is filled black.
    int boxPixels = 0;

    for (int y = 45; y < 70; ++y)
        for (int x = 0; x < 70; ++x)
            if (kbtest::coloursClose (image.getPixelAt (x, y), juce::Colours::black))
                ++boxPixels;

    EXPECT_GT (boxPixels, 20 * 15);

    press();
    dragBy (40.0f);
    image = kbtest::renderComponent (wheel);
    EXPECT_TRUE (isViolet (image, 35, 33));
    EXPECT_FALSE (isViolet (image, 35, 16));

    dragBy (-40.0f);
    kbtest::pumpMessages (40);
    image = kbtest::renderComponent (wheel);
    EXPECT_TRUE (isViolet (image, 35, 9));
    EXPECT_FALSE (isViolet (image, 35, 24));

    release();
    image = kbtest::renderComponent (wheel);
    EXPECT_TRUE (isViolet (image, 35, 20));
}

TEST_F (SpecialWheelTest, WithoutPositionOnlyTheTrackIsDrawn)
{
    wheel.setPosition (-1);
    const auto image = kbtest::renderComponent (wheel);

    int drawn = 0;

    for (int y = 0; y < image.getHeight(); ++y)
    {
        for (int x = 0; x < image.getWidth(); ++x)
        {
            if (image.getPixelAt (x, y).getAlpha() > 0)
            {
                ++drawn;
                EXPECT_TRUE (x == 34 || x == 35) << x << ", " << y;
                EXPECT_LE (y, 40);
            }
        }
    }

    EXPECT_GT (drawn, 30);
}
