#pragma once

#include "help/HelpPages.h"

#include <juce_gui_basics/juce_gui_basics.h>

/**
    The credits panel: a few paragraphs in the interface language over a dimmed,
    lined background, with four web links below them.

    A press anywhere on the panel but on a link sends "AboutExit"; the panel never
    hides itself. For a screen reader the panel is a group whose description is the
    credits, and each link is named by the section of the guide it opens.
*/
class AboutComponent : public juce::Component,
                       public juce::ActionBroadcaster
{
public:
    AboutComponent();
    ~AboutComponent() override;

    /** 0 French, any other value English; the links then lead to the help page in that
        language. Does not repaint: the owner shows the panel right after. */
    void setLanguage (int newLanguage);
    int getLanguage() const noexcept { return language; }

    /** The paragraphs the panel draws for a language (0 French, otherwise English). */
    static juce::String getCreditsText (int language);

    /** The help pages the links lead to (by default those beside the executable). */
    void setHelpPages (const HelpPages& pages);

    /** The address of link 0 to 3 in the current language: sections of the help page on
        the program, on advice sets, on the idea behind it, on its source and licence. */
    juce::String getLinkAddress (int index) const;

    void mouseDown (const juce::MouseEvent&) override;
    bool keyPressed (const juce::KeyPress&) override;
    void paint (juce::Graphics&) override;
    void paintOverChildren (juce::Graphics&) override;
    void resized() override;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;
    void updateLinks();

    int language = 1;
    HelpPages helpPages;
    juce::HyperlinkButton* thirdLink = nullptr;
    juce::HyperlinkButton* secondLink = nullptr;
    juce::HyperlinkButton* firstLink = nullptr;
    juce::HyperlinkButton* fourthLink = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutComponent)
};
