#include "MainAppWindow.h"

#include "look/AppIcon.h"
#include "mainscreen/MainComponent.h"

MainAppWindow::MainAppWindow()
    : juce::DocumentWindow ("Kindlebrook", juce::Colours::darkgrey,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, true)
{
    setResizable (false, false);
    setUsingNativeTitleBar (true);
    mainComponent = new MainComponent();
    setContentOwned (mainComponent, true);
    centreWithSize (getWidth(), getHeight());
    setVisible (true);

    // The native window exists only now; the desktop shows its icon in task lists and switchers.
    if (auto* peer = getPeer())
        peer->setIcon (AppIcon::render (64));
}

void MainAppWindow::closeButtonPressed()
{
    if (mainComponent->isReadyToQuit())
        juce::JUCEApplication::quit();
}
