#include "AboutComponent.h"

#include "CustomLookAndFeel.h"
#include "PanelFocus.h"

namespace
{
juce::Font getLinkFont()
{
    return juce::Font ("Verdana", 14.0f, juce::Font::plain);
}

juce::HyperlinkButton* makeLink (const juce::String& address)
{
    // The address is both what the user reads and what a click opens.
    auto* link = new juce::HyperlinkButton (address, juce::URL (address));
    link->setFont (getLinkFont(), false, juce::Justification::centredLeft);
    // Only Tab gives a link the focus, so that the line showing it is for the keyboard alone.
    link->setMouseClickGrabsKeyboardFocus (false);
    return link;
}

// A row narrower than its address would cut it short with an ellipsis, and the
// user would not see where the link leads: such a row grows to the right instead.
void placeLink (juce::HyperlinkButton& link, int x, int y, int width)
{
    const int textWidth = getLinkFont().getStringWidth (link.getButtonText()) + 6;
    link.setBounds (x, y, juce::jmax (width, textWidth), 24);
}

} // namespace

AboutComponent::AboutComponent()
{
    // It takes the focus when shown, so that a screen reader reads it whole; Tab then goes round
    // the links only, never to the screen beneath.
    setFocusContainerType (FocusContainerType::keyboardFocusContainer);
    setWantsKeyboardFocus (true);
    setLanguage (language);
}

AboutComponent::~AboutComponent()
{
    deleteAllChildren();
}

void AboutComponent::setLanguage (int newLanguage)
{
    language = newLanguage;
    updateLinks();
    setTitle (language == 0 ? "A propos de Kindlebrook" : "About Kindlebrook");
    setDescription (getCreditsText (language));
}

void AboutComponent::setHelpPages (const HelpPages& pages)
{
    helpPages = pages;
    updateLinks();
}

juce::String AboutComponent::getLinkAddress (int index) const
{
    const char* const sections[] = { HelpPages::programSection, HelpPages::setsSection,
                                     HelpPages::ideaSection, HelpPages::sourceSection };

    if (! juce::isPositiveAndBelow (index, (int) std::size (sections)))
        return {};

    return helpPages.getAddress (language, sections[index]);
}

void AboutComponent::updateLinks()
{
    juce::HyperlinkButton** links[] = { &firstLink, &secondLink, &thirdLink, &fourthLink };

    static const char* const names[][2] = {
        { "Guide : le programme", "Guide: the program" },
        { "Guide : trouver et partager des sets", "Guide: finding and sharing sets" },
        { "Guide : d'où vient l'idée", "Guide: where the idea comes from" },
        { "Guide : code source et licence", "Guide: source code and licence" }
    };

    if (firstLink != nullptr && firstLink->getButtonText() == getLinkAddress (0))
        return;

    // Made anew rather than given a new URL: assigning a juce::URL copies its empty post
    // data through a null pointer. All four in order, so that a later link stays on top.
    for (int i = 0; i < (int) std::size (links); ++i)
    {
        delete *links[i];
        *links[i] = makeLink (getLinkAddress (i));
        // A screen reader names a link by what it opens; the address it shows is its help.
        (*links[i])->setTitle (juce::String::fromUTF8 (names[i][language == 0 ? 0 : 1]));
        (*links[i])->setHelpText (getLinkAddress (i));
        addAndMakeVisible (*links[i]);
    }

    resized();
}

juce::String AboutComponent::getCreditsText (int language)
{
    if (language == 0)
        return juce::String (juce::CharPointer_UTF8 (
            "Kindlebrook V1, développé en 2026 par les contributeurs de Kindlebrook avec le "
            "framework JUCE. C'est un logiciel libre, sous licence GNU GPL version 3 ou ultérieure."
            "\n\n"
            "L'idée vient des consignes créatives et des méthodes d'écriture de chansons qui aident "
            "à sortir de la page blanche, ainsi que des premiers prototypes de ce concept."
            "\n\n"
            "Merci aux auteurs du framework JUCE, à tous ceux qui ont testé le logiciel ou soutenu "
            "le concept, et à tous ceux qui ont créé et partagé des sets de conseils."
            "\n\n"
            "Plus d'infos sur :"));

    return "Kindlebrook V1, developed in 2026 by the Kindlebrook contributors with the JUCE "
           "framework. It is free software, licensed under the GNU GPL version 3 or later."
           "\n\n"
           "The idea comes from creative prompts and songwriting methods that help past a blank "
           "page, and from early prototypes of this concept."
           "\n\n"
           "Thanks to the makers of the JUCE framework, to everybody who tested the software or "
           "supported the concept, and to everybody who created and shared advice sets."
           "\n\n"
           "More information is available on:";
}

std::unique_ptr<juce::AccessibilityHandler> AboutComponent::createAccessibilityHandler()
{
    return std::make_unique<juce::AccessibilityHandler> (*this, juce::AccessibilityRole::group);
}

//==============================================================================
void AboutComponent::mouseDown (const juce::MouseEvent&)
{
    sendActionMessage ("AboutExit");
}

void AboutComponent::paint (juce::Graphics& g)
{
    CustomLookAndFeel::paintOverlayBackground (g, getWidth(), getHeight());

    g.setFont (juce::Font ("Verdana", 14.0f, juce::Font::plain));
    g.setColour (juce::Colour (0xffffffff));
    g.drawMultiLineText (getCreditsText (language), 50, 40, getWidth() - 100, juce::Justification::left);
}

bool AboutComponent::keyPressed (const juce::KeyPress& key)
{
    return PanelFocus::enterOnTab (*this, key);
}

void AboutComponent::paintOverChildren (juce::Graphics& g)
{
    for (auto* link : { firstLink, secondLink, thirdLink, fourthLink })
    {
        if (link->hasKeyboardFocus (false))
        {
            const auto area = link->getBounds();
            g.setColour (juce::Colours::lightgrey.withAlpha (0.6f));
            g.drawHorizontalLine (area.getBottom() - 3, (float) area.getX(),
                                  (float) (area.getX() + getLinkFont().getStringWidth (link->getButtonText())));
        }
    }
}

void AboutComponent::resized()
{
    const int w = getWidth();

    placeLink (*firstLink, 50, 240, (w - 100) / 2 + 50);
    placeLink (*secondLink, 50, 255, (w - 100) / 3 + 50);
    placeLink (*thirdLink, 50, 270, (w - 100) / 2 + 50);
    placeLink (*fourthLink, 50, 285, (w - 100) / 4 + 30);
}
