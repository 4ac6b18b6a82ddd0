#pragma once

#include <juce_core/juce_core.h>

/**
    The user's guide that ships beside the program, one page per interface language,
    and the addresses that open it in the default browser. Everything the program
    offers to open is a section of these pages, so it works without a network.
*/
class HelpPages
{
public:
    /** The guide in the "help" folder beside the executable, or beside a folder standing
        for the executable's (tests use this). */
    explicit HelpPages (const juce::File& folderStandingForTheExecutables = {});

    juce::File getFolder() const { return folder; }

    /** The page for an interface language: French for 0, English for any other value. */
    juce::File getPage (int language) const;

    /** The file:// address of that page, at a section when one is named. */
    juce::String getAddress (int language, const juce::String& section = {}) const;

    /** A file:// address with every byte outside the unreserved set percent-encoded, so
        that no character of a folder name can reach the shell that starts the browser. */
    static juce::String fileAddress (const juce::File& file);

    // The sections the program opens; each page has all of them.
    static const char* const programSection;  // what the program does
    static const char* const setsSection;     // finding, sharing and installing sets
    static const char* const ideaSection;     // where the idea comes from
    static const char* const sourceSection;   // source code and licence

private:
    juce::File folder;
};
