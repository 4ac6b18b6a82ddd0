// Write then read: a set read from any file, written by the program and read again, is the
// same set, and writing that again gives the same bytes.
#include "FuzzFolder.h"
#include "SetComparison.h"

#include "advice/AdviceSet.h"
#include "advice/TagCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static TagCatalogue catalogue;
    const auto input = FuzzFolder::get().write ("input.kbs", data, size);

    AdviceSet original (&catalogue);
    original.setFile (input);

    if (AdviceSet::getSetFileKind (input) == 1)
        original.readLegacyFromFile (2);
    else
        original.readFromFile (2);

    original.setFile (FuzzFolder::get().getFolder().getChildFile ("written.kbs"));
    KB_FUZZ_CHECK (original.writeToFile());

    AdviceSet readBack (&catalogue);
    readBack.setFile (original.getFile());
    readBack.readFromFile (2);
    KB_FUZZ_CHECK (SetComparison::sameSet (original, readBack));
    KB_FUZZ_CHECK (readBack.createFileText() == original.createFileText());
    return 0;
}
