#include "TestSupport.h"

#include <cstdlib>

namespace kbtest
{
TempFolder::TempFolder()
    : folder (juce::File::createTempFile ("kbtest"))
{
    folder.createDirectory();
}

TempFolder::~TempFolder()
{
    folder.deleteRecursively();
}

bool pumpUntil (std::function<bool()> condition, int timeoutMs)
{
    auto* mm = juce::MessageManager::getInstance();
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() >= end)
            return condition();

        mm->runDispatchLoopUntil (5);
    }

    return true;
}

void pumpMessages (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

juce::File getFixture (const juce::String& name)
{
    return juce::File (KB_FIXTURES_DIR).getChildFile (name);
}

juce::File getBundledDataFolder()
{
    return juce::File (KB_DATA_DIR);
}

juce::Image renderComponent (juce::Component& component)
{
    juce::Image image (juce::Image::ARGB, juce::jmax (1, component.getWidth()), juce::jmax (1, component.getHeight()), true);
    juce::Graphics g (image);
    component.paintEntireComponent (g, true);
    return image;
}

juce::File saveForViewing (const juce::Image& image, const juce::String& name)
{
    auto folder = juce::File (KB_TEST_OUTPUT_DIR);
    folder.createDirectory();
    auto file = folder.getChildFile (name.endsWith (".png") ? name : name + ".png");
    file.deleteFile();

    juce::FileOutputStream out (file);
    juce::PNGImageFormat png;
    if (out.openedOk())
        png.writeImageToStream (image, out);

    return file;
}

juce::MouseEvent mouseEvent (juce::Component& component, juce::Point<float> position,
                             std::optional<juce::Point<float>> pressPosition, int clicks)
{
    const auto now = juce::Time::getCurrentTime();
    const auto press = pressPosition.value_or (position);
    const auto mods = clicks > 0 ? juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier) : juce::ModifierKeys();

    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                             juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                             juce::MouseInputSource::defaultTiltY, &component, &component, now, press, now,
                             clicks, position != press);
}

bool coloursClose (juce::Colour a, juce::Colour b, int tolerance)
{
    auto near = [tolerance] (int x, int y) { return std::abs (x - y) <= tolerance; };
    return near (a.getRed(), b.getRed()) && near (a.getGreen(), b.getGreen())
        && near (a.getBlue(), b.getBlue()) && near (a.getAlpha(), b.getAlpha());
}
void setDesktopLanguage (const char* lang)
{
   #ifdef _WIN32
    _putenv_s ("LC_ALL", "");
    _putenv_s ("LC_MESSAGES", "");
    _putenv_s ("LANG", lang);
   #else
    unsetenv ("LC_ALL");
    unsetenv ("LC_MESSAGES");
    setenv ("LANG", lang, 1);
   #endif
}
} // namespace kbtest
