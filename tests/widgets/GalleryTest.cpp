#include "TestSupport.h"
#include "look/CustomLookAndFeel.h"
#include "widgets/SpecialButton.h"
#include "widgets/SpecialLabel.h"

#include <gtest/gtest.h>

// Renders the program's widgets in their states into PNG files for a person to look at.
namespace
{
/** A black backdrop, as the main screen and the panels have, holding the widgets on show. */
struct Canvas : public juce::Component
{
    explicit Canvas (int width, int height) { setSize (width, height); }
    ~Canvas() override { deleteAllChildren(); }

    void paint (juce::Graphics& g) override { g.fillAll (juce::Colours::black); }

    template <typename ComponentType>
    ComponentType* place (ComponentType* c, int x, int y, int w, int h)
    {
        c->setBounds (x, y, w, h);
        addAndMakeVisible (c);
        return c;
    }
};

juce::File saveCanvas (Canvas& canvas, const juce::String& name)
{
    const auto image = kbtest::renderComponent (canvas);

    // Twice the size, so single pixels can be judged by eye.
    return kbtest::saveForViewing (image.rescaled (image.getWidth() * 2, image.getHeight() * 2,
                                                   juce::Graphics::lowResamplingQuality),
                                   name);
}

bool hasColouredPixels (const juce::File& file)
{
    const auto image = juce::ImageFileFormat::loadFrom (file);

    if (! image.isValid())
        return false;

    for (int y = 0; y < image.getHeight(); y += 2)
        for (int x = 0; x < image.getWidth(); x += 2)
            if (image.getPixelAt (x, y).getBrightness() > 0.3f)
                return true;

    return false;
}
} // namespace

TEST (Gallery, LookWidgets)
{
    CustomLookAndFeel orangeStyle, greyStyle;
    greyStyle.setEditorButtonStyle (true);
    juce::Array<juce::File> files;

    {
        // Main-screen buttons (42 x 52, ring) in normal, hover and down states.
        Canvas canvas (4 * 3 * 46 + 10, 2 * 60 + 10);
        const juce::StringArray types { "Menu", "Favorite", "Favorite", "+" };
        const juce::Button::ButtonState states[] = { juce::Button::buttonNormal, juce::Button::buttonOver, juce::Button::buttonDown };

        for (int t = 0; t < types.size(); ++t)
        {
            for (int s = 0; s < 3; ++s)
            {
                const auto x = 5 + (t * 3 + s) * 46;

                auto* ring = canvas.place (new SpecialButton(), x, 5, 42, 52);
                ring->setType (types[t]);
                ring->setOnState (t == 2 ? 1 : 0);
                ring->setButtonColour (juce::Colour (0xff2e8b57));
                ring->setState (states[s]);

                auto* disc = canvas.place (new SpecialButton(), x, 65, 42, 52);
                disc->setType (types[t] == "+" ? "Back" : types[t]);
                disc->setOnState (t == 2 ? 1 : 0);
                disc->setFilled();
                disc->setHighlightMode (t == 3 ? 2 : (t == 1 ? 1 : 0));
                disc->setState (states[s]);
            }
        }

        files.add (saveCanvas (canvas, "gallery_special_buttons"));
    }

    {
        // Captions in every position, always shown; the last row is small and switched on.
        Canvas canvas (6 * 160 + 10, 2 * 70 + 10);

        for (int row = 0; row < 2; ++row)
        {
            int column = 0;

            for (auto position : { 0, 1, 2, 3, 4, 7 })
            {
                auto* button = canvas.place (new SpecialButton(), 5 + column++ * 160, 5 + row * 70, 150, 60);
                button->setType ("New");
                button->setCaptionPosition (position);
                button->setCaptions ("Position " + juce::String (position), "On, position " + juce::String (position));
                button->setCaptionAlwaysShown (true);
                button->setFilled();

                if (row == 1)
                {
                    button->setSmall();
                    button->setOnState (1);
                }
            }
        }

        files.add (saveCanvas (canvas, "gallery_captions"));
    }

    {
        // Standard widgets under the look and feel: both outline styles of a text button,
        // a combo box and labels that wrap or squeeze.
        Canvas canvas (560, 250);
        const juce::Button::ButtonState states[] = { juce::Button::buttonNormal, juce::Button::buttonOver, juce::Button::buttonDown };

        for (int style = 0; style < 2; ++style)
        {
            for (int s = 0; s < 4; ++s)
            {
                auto* button = canvas.place (new juce::TextButton (s == 3 ? "Disabled" : "OK"), 10 + s * 110, 10 + style * 40, 100, 30);
                button->setLookAndFeel (style == 0 ? &orangeStyle : &greyStyle);

                if (s == 3)
                    button->setEnabled (false);
                else
                    button->setState (states[s]);
            }
        }

        auto* box = canvas.place (new juce::ComboBox(), 10, 95, 200, 24);
        box->setLookAndFeel (&orangeStyle);
        box->addItem ("All the sets", 1);
        box->setSelectedId (1, juce::dontSendNotification);

        const juce::String longText ("A label whose text is much longer than its width, so that it has to wrap");

        auto* wrapped = canvas.place (new juce::Label ({}, longText), 10, 130, 200, 100);
        wrapped->setLookAndFeel (&orangeStyle);
        wrapped->setJustificationType (juce::Justification::topLeft);
        wrapped->setMinimumHorizontalScale (1.0f);
        wrapped->setColour (juce::Label::outlineColourId, juce::Colours::darkgrey);

        auto* squeezed = canvas.place (new juce::Label ({}, longText), 230, 130, 200, 24);
        squeezed->setLookAndFeel (&orangeStyle);
        squeezed->setColour (juce::Label::outlineColourId, juce::Colours::darkgrey);

        auto* framed = canvas.place (new SpecialLabel(), 230, 170, 200, 24);
        framed->setLookAndFeel (&orangeStyle);
        framed->setText ("A framed special label", juce::dontSendNotification);
        framed->setFramed();

        auto* dimmed = canvas.place (new SpecialLabel(), 230, 205, 200, 24);
        dimmed->setLookAndFeel (&orangeStyle);
        dimmed->setText ("A special label under the mouse", juce::dontSendNotification);
        dimmed->mouseEnter (kbtest::mouseEvent (*dimmed, {}, {}, 0));

        files.add (saveCanvas (canvas, "gallery_look_and_feel"));

        for (auto* child : canvas.getChildren())
            child->setLookAndFeel (nullptr);
    }

    for (const auto& file : files)
    {
        EXPECT_TRUE (file.existsAsFile()) << file.getFullPathName();
        EXPECT_TRUE (hasColouredPixels (file)) << file.getFullPathName();
    }
}
