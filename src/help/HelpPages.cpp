#include "HelpPages.h"

const char* const HelpPages::programSection = "program";
const char* const HelpPages::setsSection = "sets";
const char* const HelpPages::ideaSection = "idea";
const char* const HelpPages::sourceSection = "source";

HelpPages::HelpPages (const juce::File& folderStandingForTheExecutables)
{
    const auto base = folderStandingForTheExecutables != juce::File()
                        ? folderStandingForTheExecutables
                        : juce::File::getSpecialLocation (juce::File::currentApplicationFile).getParentDirectory();
    folder = base.getChildFile ("help");
}

juce::File HelpPages::getPage (int language) const
{
    return folder.getChildFile (language == 0 ? "fr.html" : "en.html");
}

juce::String HelpPages::getAddress (int language, const juce::String& section) const
{
    auto address = fileAddress (getPage (language));

    if (section.isNotEmpty())
        address << "#" << section;

    return address;
}

juce::String HelpPages::fileAddress (const juce::File& file)
{
    // JUCE's own escaping keeps "$", which the shell behind launchInDefaultBrowser expands
    // inside its double quotes: a folder named $(...) would run a command.
    auto path = file.getFullPathName();
    const char* const hex = "0123456789ABCDEF";
    juce::String address ("file://");

    // Windows: C:\a\b is file:///C:/a/b (the drive's colon kept, as browsers expect it), and
    // \\server\share\b is file://server/share/b.
    const bool windowsPath = juce::File::getSeparatorChar() == '\\';

    if (windowsPath)
    {
        path = path.replaceCharacter ('\\', '/');

        if (path.startsWith ("//"))
            path = path.substring (2);
        else
            address << "/";
    }

    for (auto* p = path.toRawUTF8(); *p != 0; ++p)
    {
        const auto c = (unsigned char) *p;

        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
            || c == '-' || c == '.' || c == '_' || c == '~' || c == '/' || (c == ':' && windowsPath))
            address << (char) c;
        else
            address << '%' << hex[c >> 4] << hex[c & 15];
    }

    return address;
}
