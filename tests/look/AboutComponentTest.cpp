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
    // A link grows with its address: short ones keep the rows' own widths.
    panel.setHelpPages (HelpPages (juce::File ("/k")));
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
        const auto address = links[i]->getURL().toString (true);
        EXPECT_EQ (links[i]->getButtonText(), address);
        EXPECT_EQ (address, panel.getLinkAddress (i));
        EXPECT_TRUE (links[i]->isVisible());
        addresses.addIfNotAlreadyThere (address);

        // Wide enough for the whole address: a narrower link ends it in "...".
        const juce::Font font ("Verdana", 14.0f, juce::Font::plain);
        EXPECT_GE (links[i]->getWidth() - 2, font.getStringWidth (address)) << address;
        EXPECT_EQ (links[i]->getX(), 50);
        EXPECT_EQ (links[i]->getY(), 240 + 15 * i);
    }

    EXPECT_EQ (addresses.size(), 4);
    EXPECT_EQ (panel.getLinkAddress (4), "");
}

TEST (AboutPanel, LinksLeadToSectionsOfTheHelpPageInTheInterfaceLanguage)
{
    // The repository's own help folder stands for the one beside the program.
    const auto help = juce::File (KB_HELP_DIR);
    AboutComponent panel;
    panel.setHelpPages (HelpPages (help.getParentDirectory()));
    panel.setBounds (0, 0, 500, 350);
    const char* const sections[] = { "program", "sets", "idea", "source" };

    for (int language : { 0, 1 })
    {
        panel.setLanguage (language);
        const auto page = help.getChildFile (language == 0 ? "fr.html" : "en.html");
        auto links = linksOf (panel);

        for (int i = 0; i < links.size(); ++i)
        {
            const auto address = links[i]->getURL().toString (true);
            EXPECT_EQ (address, HelpPages::fileAddress (page) + "#" + sections[i]);
            EXPECT_EQ (links[i]->getButtonText(), address);
            EXPECT_TRUE (page.loadFileAsString().contains (juce::String ("id=\"") + sections[i] + "\""))
                << sections[i] << " in " << page.getFileName();
        }
    }
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
