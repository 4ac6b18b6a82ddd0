#include "RepaintFallback.h"

struct RepaintFallback::Native : private juce::Timer
{
    explicit Native (juce::Component& mainWindow)
        : vBlank (&mainWindow, [this] { lastVBlank = juce::Time::getMillisecondCounter(); })
    {
        startTimerHz (60);
    }

    ~Native() override
    {
        stopTimer();
    }

    void timerCallback() override
    {
        // A display that signals its vertical blank keeps this idle.
        if (juce::Time::getMillisecondCounter() - lastVBlank < 250)
            return;

        // Every window: the menu and the alert boxes are windows of their own.
        for (int i = 0; i < juce::ComponentPeer::getNumPeers(); ++i)
            if (auto* peer = juce::ComponentPeer::getPeer (i))
                peer->performAnyPendingRepaintsNow();
    }

    juce::uint32 lastVBlank = 0;
    juce::VBlankAttachment vBlank;
};

RepaintFallback::RepaintFallback (juce::Component& mainWindow)
    : native (std::make_unique<Native> (mainWindow))
{
}

RepaintFallback::~RepaintFallback() = default;
