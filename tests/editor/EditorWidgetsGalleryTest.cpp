#include "TestSupport.h"
#include "advice/TagCatalogue.h"
#include "editor/SpecialColourSelector.h"
#include "editor/SpecialTagManager.h"
#include "look/CustomLookAndFeel.h"
#include "widgets/SpecialWheel.h"

#include <gtest/gtest.h>

// Pictures of the editor's widgets in a few states, for a person to look at.
namespace
{
juce::MouseEvent mouseAt (juce::Component& c, juce::Point<float> position, juce::Point<float> pressPosition)
{
    return kbtest::mouseEvent (c, position, pressPosition);
}

/** The widgets draw over their parent, which is black in the program. Small widgets
    are enlarged pixel for pixel so that their details can be seen. */
class Sheet
{
public:
    explicit Sheet (int scaleToUse = 1) : scale (scaleToUse) {}

    void add (juce::Component& component) { images.add (kbtest::renderComponent (component)); }

    juce::Image render() const
    {
        int width = gap, height = 0;

        for (const auto& image : images)
        {
            width += image.getWidth() * scale + gap;
            height = juce::jmax (height, image.getHeight() * scale);
        }

        juce::Image sheet (juce::Image::RGB, width, height + 2 * gap, true);
        juce::Graphics g (sheet);
        g.fillAll (juce::Colours::black);
        g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);

        auto x = gap;

        for (const auto& image : images)
        {
            g.setColour (juce::Colour (0xFF303030));
            g.drawRect (x - 1, gap - 1, image.getWidth() * scale + 2, image.getHeight() * scale + 2);
            g.drawImageTransformed (image, juce::AffineTransform::scale ((float) scale).translated ((float) x, (float) gap));
            x += image.getWidth() * scale + gap;
        }

        return sheet;
    }

private:
    static constexpr int gap = 10;
    int scale;
    juce::Array<juce::Image> images;
};

bool hasSomethingDrawn (const juce::Image& image)
{
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt (x, y).getBrightness() > 0.05f)
                return true;

    return false;
}
} // namespace

TEST (Gallery, EditorWidgets)
{
    CustomLookAndFeel lookAndFeel;

    {
        Sheet sheet (4);
        SpecialWheel wheel;
        wheel.setSize (70, 70);
        wheel.setCount (42);
        wheel.setPosition (11);
        sheet.add (wheel);

        const juce::Point<float> press (35, 20);
        wheel.mouseDown (mouseAt (wheel, press, press));
        wheel.mouseDrag (mouseAt (wheel, press.translated (0, 10), press));
        sheet.add (wheel);
        wheel.mouseDrag (mouseAt (wheel, press.translated (0, 40), press));
        sheet.add (wheel);
        // The knob shows a new speed from the next step on.
        EXPECT_TRUE (kbtest::pumpUntil ([&] { return wheel.getTimerInterval() == 10; }));
        sheet.add (wheel);
        wheel.mouseUp (mouseAt (wheel, press, press));

        wheel.mouseDown (mouseAt (wheel, press, press));
        wheel.mouseDrag (mouseAt (wheel, press.translated (0, -20), press));
        sheet.add (wheel);
        wheel.mouseUp (mouseAt (wheel, press, press));

        wheel.setCount (1234);
        wheel.setPosition (1233);
        sheet.add (wheel);
        wheel.setPosition (-1);
        sheet.add (wheel);

        const auto image = sheet.render();
        EXPECT_TRUE (hasSomethingDrawn (image));
        EXPECT_TRUE (kbtest::saveForViewing (image, "editor-wheel").existsAsFile());
    }

    {
        Sheet sheet;
        TagCatalogue catalogue;
        SpecialTagManager manager (&catalogue);
        manager.setLookAndFeel (&lookAndFeel);
        manager.setSize (340, 180);
        manager.setLanguage (1);
        manager.setSelectedTags ("1,");
        sheet.add (manager);

        manager.mouseMove (mouseAt (manager, { 40 + 56 * 2, 50 }, { 40 + 56 * 2, 50 }));
        sheet.add (manager);

        manager.setHighlightColour (juce::Colours::red.withHue (20 * 0.03125f));
        manager.setSelectedTags ("2,201,203,208,");
        manager.mouseDown (mouseAt (manager, { 40 + 56 * 2, 50 }, { 40 + 56 * 2, 50 }));
        manager.mouseUp (mouseAt (manager, { 40 + 56 * 2, 50 }, { 40 + 56 * 2, 50 }));
        manager.mouseMove (mouseAt (manager, { 30 + 17.5f * 5.5f, 80 }, { 30 + 17.5f * 5.5f, 80 }));
        sheet.add (manager);

        catalogue.rebuild (false);
        manager.setLanguage (0);
        manager.setHighlightColour (juce::Colour (0xFFFFA500));
        manager.setSelectedTags ("0,402,406,407,");
        manager.mouseDown (mouseAt (manager, { 40 + 56 * 4, 50 }, { 40 + 56 * 4, 50 }));
        manager.mouseUp (mouseAt (manager, { 40 + 56 * 4, 50 }, { 40 + 56 * 4, 50 }));
        manager.mouseMove (mouseAt (manager, { 30 + 280.0f / 18.0f * 6.5f, 80 }, { 30 + 280.0f / 18.0f * 6.5f, 80 }));
        sheet.add (manager);

        const auto image = sheet.render();
        EXPECT_TRUE (hasSomethingDrawn (image));
        EXPECT_TRUE (kbtest::saveForViewing (image, "editor-tag-manager").existsAsFile());
        manager.setLookAndFeel (nullptr);
    }

    {
        Sheet sheet (2);
        SpecialColourSelector selector;
        selector.setSize (300, 90);
        selector.setSelectedColour (juce::Colour (0xFFFFA500));
        sheet.add (selector);

        selector.setSelectedColour (juce::Colours::red.withHue (20 * 0.03125f));
        sheet.add (selector);

        selector.setSize (80, 100);
        selector.setSelectedColour (juce::Colours::red.withHue (31 * 0.03125f));
        sheet.add (selector);

        const auto image = sheet.render();
        EXPECT_TRUE (hasSomethingDrawn (image));
        EXPECT_TRUE (kbtest::saveForViewing (image, "editor-colour-selector").existsAsFile());
    }
}
