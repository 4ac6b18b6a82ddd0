// The older format's reader in both modes: the header-only read agrees with the complete one.
#include "FuzzFolder.h"
#include "SetComparison.h"

#include "advice/AdviceSet.h"
#include "advice/TagCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static TagCatalogue catalogue;
    const auto file = FuzzFolder::get().write ("old.kbs", data, size);

    AdviceSet headerOnly (&catalogue), complete (&catalogue);
    headerOnly.setFile (file);
    complete.setFile (file);
    headerOnly.readLegacyFromFile (1);
    complete.readLegacyFromFile (2);

    KB_FUZZ_CHECK (headerOnly.getNumItems() == 0);
    KB_FUZZ_CHECK (SetComparison::sameHeader (headerOnly, complete));

    return 0;
}
