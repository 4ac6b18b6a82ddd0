#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

/**
    JUCE on Windows sends a window's repaints when the display signals its vertical blank,
    which it learns through DXGI. Where DXGI has no output for the window's monitor (some
    virtual machines and remote sessions, Wine on a virtual display), no such signal comes and
    a window never redraws after it first appeared: a panel opened from the menu stayed unseen.
    While no vertical blank has come for a while, this sends every window's pending repaints
    itself (RepaintFallbackWindows.cpp). Other systems repaint on their own (RepaintFallbackLinux.cpp).
*/
class RepaintFallback
{
public:
    /** Watches the vertical blank of the display the component is on. */
    explicit RepaintFallback (juce::Component& mainWindow);
    ~RepaintFallback();

private:
    struct Native;
    std::unique_ptr<Native> native;

    JUCE_DECLARE_NON_COPYABLE (RepaintFallback)
};
