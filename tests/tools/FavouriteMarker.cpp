// Stands for one running copy of the program as far as favourites go: it reads the library
// once, as the main screen does, then marks and unmarks its own advice round after round.
//
//   kb_favourite_marker <base folder> <text prefix> <rounds>
//
// In round r the advice number k of those whose text begins with the prefix is marked when
// r + k is even. Exit code: the number of marks that could not be written (at most 100).
// Once its pool is built it makes "<prefix>ready" in the base folder and waits for "go", so
// that the copies mark at the same time without one scanning the folder while another writes.

#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"

#include <cstdio>

int main (int argc, char* argv[])
{
    if (argc != 4)
    {
        std::fprintf (stderr, "usage: kb_favourite_marker <base folder> <text prefix> <rounds>\n");
        return 101;
    }

    const juce::File base (juce::String::fromUTF8 (argv[1]));
    const auto prefix = juce::String::fromUTF8 (argv[2]);
    const auto rounds = juce::String (argv[3]).getIntValue();

    TagCatalogue catalogue;
    SetLibrary library (&catalogue);
    library.setBaseFolder (base);
    library.reload();
    library.buildPool (-1, {}, -1, 0);

    juce::Array<int> own;
    for (int i = 0; i < library.getPoolSize(); ++i)
        if (library.getPoolText (i).startsWith (prefix))
            own.add (i);

    if (own.isEmpty())
        return 102;

    base.getChildFile (prefix.trim() + "ready").create();
    const auto go = base.getChildFile ("go");

    for (int i = 0; ! go.exists(); ++i)
    {
        if (i == 6000)
            return 103;
        juce::Thread::sleep (5);
    }

    int failures = 0;

    for (int round = 0; round < rounds; ++round)
        for (int k = 0; k < own.size(); ++k)
            if (! library.setPoolFavourite (own[k], (round + k) % 2 == 0))
                ++failures;

    return juce::jmin (failures, 100);
}
