// The settings reader on any file; the values it gives are written and read back unchanged.
#include "FuzzFolder.h"

#include "mainscreen/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    const auto file = FuzzFolder::get().write ("Kindlebrook.ini", data, size);

    SettingsFile read;
    KB_FUZZ_CHECK (read.readFrom (file));

    KB_FUZZ_CHECK (read.writeTo (file));
    SettingsFile again;
    KB_FUZZ_CHECK (again.readFrom (file));

    KB_FUZZ_CHECK (again.Language == read.Language);
    KB_FUZZ_CHECK (again.LanguageSet == read.LanguageSet);
    KB_FUZZ_CHECK (again.Sets == read.Sets);
    KB_FUZZ_CHECK (again.Tags == read.Tags);
    KB_FUZZ_CHECK (again.LastItem == read.LastItem);
    KB_FUZZ_CHECK (again.LookForFavorites == read.LookForFavorites);
    KB_FUZZ_CHECK (again.Timer == read.Timer);
    return 0;
}
