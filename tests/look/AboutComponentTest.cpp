#include "look/AboutComponent.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct MessageLog : public juce::ActionListener
{
    void actionListenerCallback (const juce::String& message) override { messages.add (message); }
    juce::StringArray messages;
};

juce::MouseEvent pressAt (juce::Component& target, juce::Point<float> position)
{
    return kbtest::mouseEvent (target, position);
}

juce::Array<juce::HyperlinkButton*> linksOf (AboutComponent& panel)
{
    juce::Array<juce::HyperlinkButton*> links;

    for (auto* child : panel.getChildren())
        if (auto* link = dynamic_cast<juce::HyperlinkButton*> (child))
            links.add (link);

    return links;
}
} // namespace

TEST (AboutPanel, PressOnThePanelSendsAboutExitAndLeavesItShown)
{
    AboutComponent panel;
    panel.setBounds (0, 0, 500, 350);
    panel.setVisible (true);

    MessageLog log;
    panel.addActionListener (&log);

    panel.mouseDown (pressAt (panel, { 250.0f, 100.0f }));
    EXPECT_TRUE (log.messages.isEmpty());  // delivered through the message loop

    ASSERT_TRUE (kbtest::pumpUntil ([&] { return log.messages.size() == 1; }));
    EXPECT_EQ (log.messages[0], "AboutExit");
    EXPECT_TRUE (panel.isVisible());

    panel.removeActionListener (&log);
}

TEST (AboutPanel, PressesOnTheLinksGoToTheLinksNotThePanel)
{
    AboutComponent panel;
    panel.setBounds (0, 0, 500, 350);
    panel.setVisible (true);
    auto links = linksOf (panel);
    ASSERT_EQ (links.size(), 4);

    // The text and the margins belong to the panel.
    EXPECT_EQ (panel.getComponentAt (250, 100), &panel);
    EXPECT_EQ (panel.getComponentAt (30, 250), &panel);
    EXPECT_EQ (panel.getComponentAt (450, 250), &panel);

    // Rows 15 pixels apart, each link 24 high: where two overlap the later one wins.
    EXPECT_EQ (panel.getComponentAt (60, 245), links[0]);
    EXPECT_EQ (panel.getComponentAt (60, 260), links[1]);
    EXPECT_EQ (panel.getComponentAt (60, 275), links[2]);
    EXPECT_EQ (panel.getComponentAt (60, 300), links[3]);

    // The first link reaches further right than the second.
    EXPECT_EQ (panel.getComponentAt (280, 245), links[0]);
    EXPECT_EQ (panel.getComponentAt (280, 260), links[0]);
}

TEST (AboutPanel, EachLinkShowsTheAddressItOpens)
{
    AboutComponent panel;
    panel.setBounds (0, 0, 500, 350);
    auto links = linksOf (panel);
    ASSERT_EQ (links.size(), 4);

    juce::StringArray addresses;

    for (int i = 0; i < links.size(); ++i)
    {
        const auto address = links[i]->getURL().toString (false);
        EXPECT_EQ (links[i]->getButtonText(), address);
        EXPECT_EQ (address, juce::String (AboutComponent::linkAddresses[i]));
        EXPECT_TRUE (address.startsWith ("https://"));
        EXPECT_TRUE (links[i]->isVisible());
        addresses.addIfNotAlreadyThere (address);

        // Wide enough for the whole address: a narrower link ends it in "...".
        const juce::Font font ("Verdana", 14.0f, juce::Font::plain);
        EXPECT_GE (links[i]->getWidth() - 2, font.getStringWidth (address)) << address;
        EXPECT_EQ (links[i]->getX(), 50);
        EXPECT_EQ (links[i]->getY(), 240 + 15 * i);
    }

    // Rows whose address fits keep their width of (W - 100) / 2 + 50.
    EXPECT_EQ (links[0]->getWidth(), 250);
    EXPECT_EQ (links[2]->getWidth(), 250);

    EXPECT_EQ (addresses.size(), 4);
}

TEST (AboutPanel, CreditsInBothLanguages)
{
    const auto french = AboutComponent::getCreditsText (0);
    const auto english = AboutComponent::getCreditsText (1);

    for (auto& text : { french, english })
    {
        EXPECT_TRUE (text.startsWith ("Kindlebrook V1"));
        EXPECT_TRUE (text.contains ("GPL"));
        EXPECT_TRUE (text.contains ("JUCE"));

        // Four paragraphs, one blank line between each, no other line break.
        juce::StringArray paragraphs;
        paragraphs.addTokens (text.replace ("\n\n", "|"), "|", {});
        EXPECT_EQ (paragraphs.size(), 4);

        for (auto& paragraph : paragraphs)
        {
            EXPECT_FALSE (paragraph.isEmpty());
            EXPECT_FALSE (paragraph.containsChar ('\n'));
        }
    }

    EXPECT_TRUE (french.endsWith ("\n\nPlus d'infos sur :"));
    EXPECT_TRUE (english.endsWith ("\n\nMore information is available on:"));
    EXPECT_TRUE (french.contains (juce::String (juce::CharPointer_UTF8 ("développé"))));
    EXPECT_EQ (AboutComponent::getCreditsText (2), english);
    EXPECT_EQ (AboutComponent::getCreditsText (-1), english);
}

TEST (AboutPanel, DrawsTheTextOfItsLanguage)
{
    AboutComponent panel;
    panel.setBounds (0, 0, 500, 350);

    auto render = [&] (int language)
    {
        panel.setLanguage (language);
        return kbtest::renderComponent (panel);
    };

    auto sameImage = [] (const juce::Image& a, const juce::Image& b)
    {
        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                    return false;

        return true;
    };

    const auto english = render (1);
    EXPECT_EQ (panel.getLanguage(), 1);
    EXPECT_TRUE (sameImage (english, render (2)));
    EXPECT_FALSE (sameImage (english, render (0)));
}
