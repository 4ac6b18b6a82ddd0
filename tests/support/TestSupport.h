#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <optional>

namespace kbtest
{
/** A fresh temporary folder, deleted with everything in it when this goes out of scope. */
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();

    const juce::File& getFolder() const noexcept { return folder; }
    juce::File getChildFile (const juce::String& relativePath) const { return folder.getChildFile (relativePath); }

private:
    juce::File folder;
    JUCE_DECLARE_NON_COPYABLE (TempFolder)
};

/** Runs the message loop until the condition holds or the time runs out; returns the condition. */
bool pumpUntil (std::function<bool()> condition, int timeoutMs = 2000);

/** Runs the message loop for a short while so pending asynchronous messages are delivered. */
void pumpMessages (int milliseconds = 50);

/** A file of the repository's test fixtures. */
juce::File getFixture (const juce::String& name);

/** The repository's bundled data folder. */
juce::File getBundledDataFolder();

/** Renders a component (and its children) into an ARGB image of its size. */
juce::Image renderComponent (juce::Component& component);

/** Saves an image as PNG under the build's test output folder (for a person's eye); returns the file. */
juce::File saveForViewing (const juce::Image& image, const juce::String& name);

/** A synthetic mouse event on a component, at a position in its own coordinates; the press
    happened at pressPosition (the same point unless given). No buttons held when clicks is 0. */
juce::MouseEvent mouseEvent (juce::Component& component, juce::Point<float> position,
                             std::optional<juce::Point<float>> pressPosition = {}, int clicks = 1);

/** Sets the desktop's language as the program reads it (LANG, with LC_ALL and LC_MESSAGES
    unset); the tests run under "C", English, whatever the machine's. */
void setDesktopLanguage (const char* lang);

/** True when two colours differ by at most the tolerance in each of the four channels. */
bool coloursClose (juce::Colour a, juce::Colour b, int tolerance = 2);
} // namespace kbtest
