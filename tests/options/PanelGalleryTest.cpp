#include "look/AboutComponent.h"
#include "look/CustomLookAndFeel.h"
#include "options/OptionsComponent.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
// The panels as the program shows them: over a lit main screen, with the program's look.
class PanelGallery : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);

        auto data = folder.getChildFile ("data");
        data.createDirectory();
        data.getChildFile ("Demo.kbs").replaceWithText ("KindlebrookV1 - Set file\n\nName=Demo set;\n"
                                                        "Description=A short set to try the program with: "
                                                        "prompts about tempo, form and sound.;\nAuthor=Tester;\n"
                                                        "Language=1;\nColour=255,0,0;\n\nItem=Play it slower;\n"
                                                        "Favorite=false;\nTags=2,406,;\n\n");
        library.setBaseFolder (folder.getFolder());
        library.reload();
    }

    void TearDown() override
    {
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    }

    // Draws the panel over a white background, as it would lie over the main screen.
    juce::Image renderOverWhite (juce::Component& panel)
    {
        juce::Image image (juce::Image::ARGB, panel.getWidth(), panel.getHeight(), true);
        juce::Graphics g (image);
        g.fillAll (juce::Colours::white);
        panel.paintEntireComponent (g, true);
        return image;
    }

    void expectOverlay (const juce::Image& image)
    {
        // Black at 0.95 over white lets about 13 of 255 through.
        EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (5, 5), juce::Colour (0xff0d0d0d), 2));
        // The grey frame, 15 pixels in.
        EXPECT_EQ (image.getPixelAt (15, 100), juce::Colour (0xff808080));
        EXPECT_EQ (image.getPixelAt (484, 100), juce::Colour (0xff808080));
        EXPECT_EQ (image.getPixelAt (100, 334), juce::Colour (0xff808080));

        // Lines every 5 pixels from y = 20 are a shade lighter than the rows between.
        const auto line = image.getPixelAt (200, 20).getBrightness();
        const auto between = image.getPixelAt (200, 22).getBrightness();
        EXPECT_GT (line, between);
        EXPECT_EQ (image.getPixelAt (200, 25), image.getPixelAt (200, 20));
    }

    kbtest::TempFolder folder;
    CustomLookAndFeel lookAndFeel;
    TagCatalogue catalogue;
    SetLibrary library { &catalogue };
};

bool isOrangeish (juce::Colour c)
{
    return c.getRed() > 150 && c.getGreen() > 80 && c.getGreen() < 200 && c.getBlue() < 60;
}
} // namespace

TEST_F (PanelGallery, OptionsPanelInBothLanguages)
{
    for (int language : { 1, 0 })
    {
        catalogue.rebuild (language == 1);
        OptionsComponent panel (&catalogue, &library);
        panel.setBounds (0, 0, 500, 350);
        panel.setLanguageSet (-1);
        panel.setLanguage (language);
        panel.setSelectedSet ("Demo.kbs", false);
        panel.setTagFilter (-1);
        panel.showSetDescription();
        panel.setVisible (true);

        auto image = renderOverWhite (panel);
        kbtest::saveForViewing (image, language == 0 ? "options-panel-fr" : "options-panel-en");
        expectOverlay (image);

        // OK at (100, 280, 100, 30) and Cancel at (300, 280, 100, 30): orange rounded
        // outlines around a black body, about three pixels inside each button.
        for (int x : { 150, 350 })
        {
            bool foundOutline = false;

            for (int y = 281; y <= 286 && ! foundOutline; ++y)
                foundOutline = isOrangeish (image.getPixelAt (x, y));

            EXPECT_TRUE (foundOutline) << "button at x " << x << ", language " << language;
            EXPECT_TRUE (kbtest::coloursClose (image.getPixelAt (x - 30, 300), juce::Colour (0xff000000), 4))
                << "button body at x " << x;
        }
    }
}

TEST_F (PanelGallery, AboutPanelInBothLanguages)
{
    for (int language : { 1, 0 })
    {
        AboutComponent panel;
        panel.setBounds (0, 0, 500, 350);
        panel.setLanguage (language);
        panel.setVisible (true);

        auto image = renderOverWhite (panel);
        kbtest::saveForViewing (image, language == 0 ? "about-panel-fr" : "about-panel-en");
        expectOverlay (image);

        // Orange link text somewhere in the first link's row.
        bool foundLinkText = false;

        for (int x = 50; x < 200 && ! foundLinkText; ++x)
            for (int y = 244; y < 260 && ! foundLinkText; ++y)
                foundLinkText = isOrangeish (image.getPixelAt (x, y));

        EXPECT_TRUE (foundLinkText);

        // White credits text in the upper part, nowhere on the right margin.
        bool foundWhiteText = false;

        for (int y = 28; y < 230 && ! foundWhiteText; ++y)
            for (int x = 50; x < 450 && ! foundWhiteText; ++x)
                foundWhiteText = image.getPixelAt (x, y).getBrightness() > 0.9f;

        EXPECT_TRUE (foundWhiteText);
    }
}
