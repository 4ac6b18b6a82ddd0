#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainComponent;

/** The program's one window: fixed size, native title bar, minimise and close only. */
class MainAppWindow : public juce::DocumentWindow
{
public:
    MainAppWindow();

    void closeButtonPressed() override;

    MainComponent* getMainComponent() const noexcept { return mainComponent; }

private:
    MainComponent* mainComponent = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainAppWindow)
};
