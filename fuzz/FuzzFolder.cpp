#include "FuzzFolder.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

FuzzFolder& FuzzFolder::get()
{
    static FuzzFolder instance;
    return instance;
}

FuzzFolder::FuzzFolder()
{
    // KB_FUZZ_TMP chooses the place; /dev/shm keeps the file in memory where it exists.
    juce::File base (juce::SystemStats::getEnvironmentVariable ("KB_FUZZ_TMP", {}));

    if (base == juce::File() || ! base.isDirectory())
        base = juce::File ("/dev/shm");

    if (! base.isDirectory())
        base = juce::File::getSpecialLocation (juce::File::tempDirectory);

    folder = base.getChildFile ("kb-fuzz-" + juce::String ((int) getpid())
                                + "-" + juce::String::toHexString (juce::Random::getSystemRandom().nextInt()));

    if (! folder.createDirectory())
    {
        fprintf (stderr, "Cannot make the fuzz folder %s\n", folder.getFullPathName().toRawUTF8());
        abort();
    }
}

FuzzFolder::~FuzzFolder()
{
    folder.deleteRecursively();
}

juce::File FuzzFolder::write (const juce::String& relativePath, const void* data, size_t size) const
{
    const auto file = folder.getChildFile (relativePath);
    file.getParentDirectory().createDirectory();

    if (! file.replaceWithData (data, size) && size > 0)
    {
        fprintf (stderr, "Cannot write %s\n", file.getFullPathName().toRawUTF8());
        abort();
    }

    // replaceWithData makes no file for no bytes: an empty input is an empty file all the same.
    if (size == 0 && ! file.existsAsFile())
        file.create();

    return file;
}
