#include "CustomLookAndFeel.h"

namespace
{
juce::Colour baseButtonColour (juce::Colour colour, bool hasKeyboardFocus, bool isMouseOver, bool isButtonDown)
{
    const auto saturated = colour.withMultipliedSaturation (hasKeyboardFocus ? 1.3f : 0.9f);

    if (isButtonDown)
        return saturated.contrasting (0.2f);

    if (isMouseOver)
        return saturated.contrasting (0.1f);

    return saturated;
}
} // namespace

CustomLookAndFeel::CustomLookAndFeel()
{
    using namespace juce;

    const auto buttonBlack = Colour (0xff000000).brighter (0.08f);

    setColour (TextButton::buttonColourId, buttonBlack);
    setColour (TextButton::buttonOnColourId, buttonBlack);
    setColour (TextButton::textColourOffId, Colour (0xffffffff));
    setColour (TextButton::textColourOnId, Colour (0xffffffff));
    setColour (Label::textColourId, Colours::lightgrey);
    setColour (ComboBox::backgroundColourId, Colour (0xff000000));
    setColour (ComboBox::textColourId, Colour (0xffffffff));
    setColour (ComboBox::buttonColourId, Colour (0xff000000));
    setColour (ComboBox::arrowColourId, Colour (0xffffffff));
    setColour (ComboBox::outlineColourId, Colours::grey);
    setColour (PopupMenu::backgroundColourId, Colour (0xff000000));
    setColour (PopupMenu::textColourId, Colours::lightgrey);
    setColour (PopupMenu::highlightedBackgroundColourId, Colours::orange);
    setColour (PopupMenu::headerTextColourId, Colour (0xffffffff));
    setColour (TextEditor::backgroundColourId, Colour (0x00000000));
    setColour (TextEditor::textColourId, Colour (0xffffffff));
    setColour (CaretComponent::caretColourId, Colour (0xffffffff));
    setColour (TextEditor::highlightColourId, Colours::orange);
    setColour (TextEditor::highlightedTextColourId, Colour (0xffffffff));
    setColour (AlertWindow::backgroundColourId, Colour (0xff000000));
    setColour (AlertWindow::textColourId, Colour (0xffffffff));
    setColour (HyperlinkButton::textColourId, Colours::orange);
}

CustomLookAndFeel::~CustomLookAndFeel() = default;

void CustomLookAndFeel::setEditorButtonStyle (bool useEditorStyle)
{
    editorButtonStyle = useEditorStyle;
}

//==============================================================================
void CustomLookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&,
                                              bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown)
{
    const auto thickness = button.isEnabled() ? ((shouldDrawButtonAsDown || shouldDrawButtonAsHighlighted) ? 1.2f : 0.7f)
                                              : 0.4f;
    const auto half = thickness * 0.5f;

    const auto left   = button.isConnectedOnLeft()   ? 0.1f : half;
    const auto right  = button.isConnectedOnRight()  ? 0.1f : half;
    const auto top    = button.isConnectedOnTop()    ? 0.1f : half;
    const auto bottom = button.isConnectedOnBottom() ? 0.1f : half;

    const juce::Rectangle<float> body (left + 3.0f,
                                       top + 3.0f,
                                       (float) button.getWidth() - left - right - 6.0f,
                                       (float) button.getHeight() - top - bottom - 6.0f);

    g.setColour (juce::Colour (0xff000000));
    g.fillRoundedRectangle (body, 14.0f);

    if (editorButtonStyle)
    {
        g.setColour (shouldDrawButtonAsHighlighted ? juce::Colours::lightgrey : juce::Colours::grey);
        g.drawRect (body, 1.0f);
    }
    else
    {
        g.setColour (juce::Colours::orange);
        g.drawRoundedRectangle (body, 14.0f, 2.0f);
    }
}

void CustomLookAndFeel::drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor)
{
    // Unfocused or read-only editors stay frameless so that their text sits directly on the panel.
    if (editor.isEnabled() && editor.hasKeyboardFocus (true) && ! editor.isReadOnly())
    {
        g.setColour (juce::Colours::darkgrey);
        g.drawRect (0, 0, width, height, 1);
    }
}

void CustomLookAndFeel::drawAlertBox (juce::Graphics& g, juce::AlertWindow& alert,
                                      const juce::Rectangle<int>& textArea, juce::TextLayout& textLayout)
{
    using namespace juce;

    // Drawn here rather than inherited so that the alert boxes keep this exact look
    // whatever the base class does in other framework versions.
    g.fillAll (alert.findColour (AlertWindow::backgroundColourId));

    const int iconWidth = 80;
    int iconSpaceUsed = 0;
    int iconSize = jmin (iconWidth + 50, alert.getHeight() + 20);

    if (alert.containsAnyExtraComponents() || alert.getNumButtons() > 2)
        iconSize = jmin (iconSize, textArea.getHeight() + 50);

    const Rectangle<int> iconRect (iconSize / -10, iconSize / -10, iconSize, iconSize);

    if (alert.getAlertType() != MessageBoxIconType::NoIcon)
    {
        Path icon;
        uint32 colour;
        char character;

        if (alert.getAlertType() == MessageBoxIconType::WarningIcon)
        {
            colour = 0x55ff5555;
            character = '!';

            icon.addTriangle ((float) iconRect.getX() + (float) iconRect.getWidth() * 0.5f, (float) iconRect.getY(),
                              (float) iconRect.getRight(), (float) iconRect.getBottom(),
                              (float) iconRect.getX(), (float) iconRect.getBottom());

            icon = icon.createPathWithRoundedCorners (5.0f);
        }
        else
        {
            const auto isInfo = alert.getAlertType() == MessageBoxIconType::InfoIcon;
            colour = isInfo ? (uint32) 0x605555ff : (uint32) 0x40b69900;
            character = isInfo ? 'i' : '?';

            icon.addEllipse (iconRect.toFloat());
        }

        GlyphArrangement glyphs;
        glyphs.addFittedText (Font ((float) iconRect.getHeight() * 0.9f, Font::bold),
                              String::charToString ((juce_wchar) (uint8) character),
                              (float) iconRect.getX(), (float) iconRect.getY(),
                              (float) iconRect.getWidth(), (float) iconRect.getHeight(),
                              Justification::centred, false);
        glyphs.createPath (icon);

        // Even-odd winding cuts the character out of the icon shape.
        icon.setUsingNonZeroWinding (false);
        g.setColour (Colour (colour));
        g.fillPath (icon);

        iconSpaceUsed = iconWidth;
    }

    g.setColour (alert.findColour (AlertWindow::textColourId));

    textLayout.draw (g, Rectangle<int> (textArea.getX() + iconSpaceUsed,
                                        textArea.getY(),
                                        textArea.getWidth() - iconSpaceUsed,
                                        textArea.getHeight()).toFloat());

    g.setColour (alert.findColour (AlertWindow::outlineColourId));
    g.drawRect (0, 0, alert.getWidth(), alert.getHeight());
}

juce::Font CustomLookAndFeel::getPopupMenuFont()
{
    return juce::Font (14.0f, juce::Font::plain);
}

void CustomLookAndFeel::getIdealPopupMenuItemSize (const juce::String& text, bool isSeparator, int standardMenuItemHeight,
                                                   int& idealWidth, int& idealHeight)
{
    if (isSeparator)
    {
        idealWidth = 50;
        idealHeight = standardMenuItemHeight > 0 ? standardMenuItemHeight / 2 : 10;
        return;
    }

    auto font = getPopupMenuFont();

    if (standardMenuItemHeight > 0)
    {
        if (font.getHeight() > (float) standardMenuItemHeight / 1.3f)
            font.setHeight ((float) standardMenuItemHeight / 1.3f);

        idealHeight = standardMenuItemHeight - 7;
    }
    else
    {
        idealHeight = juce::roundToInt (font.getHeight() * 1.3f) - 7;
    }

    idealWidth = font.getStringWidth (text) + idealHeight * 2;
}

void CustomLookAndFeel::drawComboBox (juce::Graphics& g, int width, int height, bool isButtonDown,
                                      int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox& box)
{
    using namespace juce;

    g.fillAll (box.findColour (ComboBox::backgroundColourId));

    g.setColour (box.findColour (ComboBox::outlineColourId));
    g.drawRect (0, 0, width, height, 1);

    const auto t = box.isEnabled() ? (isButtonDown ? 1.2f : 0.5f) : 0.3f;

    const auto buttonColour = baseButtonColour (box.findColour (ComboBox::buttonColourId),
                                                box.hasKeyboardFocus (true), false, isButtonDown)
                                  .withMultipliedAlpha (box.isEnabled() ? 1.0f : 0.5f);

    g.setColour (buttonColour);
    g.fillRect ((float) buttonX + t, (float) buttonY + t, (float) buttonW - 2.0f * t, (float) buttonH - 2.0f * t);

    g.setColour (box.findColour (ComboBox::outlineColourId));
    g.drawRect (buttonX, buttonY, buttonW, buttonH, 1);

    if (box.isEnabled())
    {
        const auto bx = (float) buttonX;
        const auto by = (float) buttonY;
        const auto bw = (float) buttonW;
        const auto bh = (float) buttonH;

        Path arrows;
        arrows.addTriangle (bx + 0.5f * bw, by + 0.25f * bh,
                            bx + 0.7f * bw, by + 0.45f * bh,
                            bx + 0.3f * bw, by + 0.45f * bh);
        arrows.addTriangle (bx + 0.5f * bw, by + 0.75f * bh,
                            bx + 0.7f * bw, by + 0.55f * bh,
                            bx + 0.3f * bw, by + 0.55f * bh);

        g.setColour (box.findColour (ComboBox::arrowColourId));
        g.fillPath (arrows);
    }
}

void CustomLookAndFeel::drawLabel (juce::Graphics& g, juce::Label& label)
{
    using namespace juce;

    // The label's border size is deliberately ignored: text uses the whole area.
    const auto width = label.getWidth();
    const auto height = label.getHeight();

    g.fillAll (label.findColour (Label::backgroundColourId));

    if (! label.isBeingEdited())
    {
        const auto alpha = label.isEnabled() ? 1.0f : 0.5f;
        const auto font = label.getFont();
        const auto text = label.getText();
        const auto justification = label.getJustificationType();

        g.setColour (label.findColour (Label::textColourId).withMultipliedAlpha (alpha));
        g.setFont (font);

        if (text.isNotEmpty())
        {
            if (label.getMinimumHorizontalScale() == 1.0f)
            {
                // A label that must not be squashed wraps onto as many lines as it needs.
                layOutWrappedText (font, text, width, height, justification).draw (g);
            }
            else
            {
                g.drawFittedText (text, 0, 0, width, height, justification,
                                  jmax (1, (int) ((float) height / font.getHeight())),
                                  label.getMinimumHorizontalScale());
            }
        }

        g.setColour (label.findColour (Label::outlineColourId).withMultipliedAlpha (alpha));
        g.drawRect (0, 0, width, height, 1);
    }
    else if (label.isEnabled())
    {
        g.setColour (label.findColour (Label::outlineColourId));
        g.drawRect (0, 0, width, height, 1);
    }
}

juce::GlyphArrangement CustomLookAndFeel::layOutWrappedText (const juce::Font& font, const juce::String& text,
                                                             int width, int height, juce::Justification justification)
{
    // JUCE's own wrap breaks after any white space, the no-break space included, which can
    // leave a French "?" alone at the start of a line. The lines are made here, at plain
    // spaces only, and JUCE then only places them (and still cuts a word wider than a line).
    juce::StringArray lines;
    juce::String line;

    for (const auto& word : juce::StringArray::fromTokens (text, " ", {}))
    {
        if (word.isEmpty())
            continue;

        const auto candidate = line.isEmpty() ? word : line + " " + word;

        if (line.isNotEmpty() && font.getStringWidthFloat (candidate) > (float) width - 0.5f)
        {
            lines.add (line);
            line = word;
        }
        else
        {
            line = candidate;
        }
    }

    if (line.isNotEmpty())
        lines.add (line);

    juce::GlyphArrangement glyphs;
    glyphs.addJustifiedText (font, lines.joinIntoString ("\n"), 0.0f, 0.0f, (float) width, justification);
    glyphs.justifyGlyphs (0, glyphs.getNumGlyphs(), 0.0f, 0.0f, (float) width, (float) height, justification);
    return glyphs;
}

void CustomLookAndFeel::paintOverlayBackground (juce::Graphics& g, int width, int height)
{
    g.fillAll (juce::Colours::black.withAlpha (0.95f));

    g.setColour (juce::Colours::darkgrey.withMultipliedBrightness (0.25f).withAlpha (0.9f));
    const int numLines = (height - 30) / 5;

    for (int i = 0; i < numLines; ++i)
        g.drawHorizontalLine (15 + i * (height - 30) / numLines, 15.0f, (float) (width - 15));

    g.setColour (juce::Colour (0xff808080));
    g.drawRect (15, 15, width - 30, height - 30, 1);
}
