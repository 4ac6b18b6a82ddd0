#include "MainAppWindow.h"

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
}

void MainAppWindow::closeButtonPressed()
{
    if (mainComponent->isReadyToQuit())
        juce::JUCEApplication::getInstance()->systemRequestedQuit();
}
