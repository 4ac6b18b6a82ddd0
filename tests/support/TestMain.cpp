#include "TestSupport.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

// Every test binary runs inside JUCE's GUI layer so that components can be
// built, laid out, driven and rendered without a display.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    kbtest::setDesktopLanguage ("C");
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
