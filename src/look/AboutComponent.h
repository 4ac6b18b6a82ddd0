#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    The credits panel: a few paragraphs in the interface language over a dimmed,
    lined background, with four web links below them.

    A press anywhere on the panel but on a link sends "AboutExit"; the panel never
    hides itself.
*/
class AboutComponent : public juce::Component,
                       public juce::ActionBroadcaster
{
public:
    AboutComponent();
    ~AboutComponent() override;

    /** 0 French, any other value English. Does not repaint: the owner shows the
        panel right after. */
    void setLanguage (int newLanguage) noexcept { language = newLanguage; }
    int getLanguage() const noexcept { return language; }

    /** The paragraphs the panel draws for a language (0 French, otherwise English). */
    static juce::String getCreditsText (int language);

    /** The pages the links open, in the order first to fourth: the home page, the
        shared advice sets, the idea behind the program, the source code and issues. */
    static const char* const linkAddresses[4];

    void mouseDown (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override;

private:
    int language = 1;
    juce::HyperlinkButton* thirdLink = nullptr;
    juce::HyperlinkButton* secondLink = nullptr;
    juce::HyperlinkButton* firstLink = nullptr;
    juce::HyperlinkButton* fourthLink = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutComponent)
};
