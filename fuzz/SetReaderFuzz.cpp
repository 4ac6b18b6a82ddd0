// The set reader in both modes: the header-only read agrees with the complete one, and reading
// again into a set that already holds items (reusing their objects) gives the same items.
#include "FuzzFolder.h"
#include "SetComparison.h"

#include "advice/AdviceSet.h"
#include "advice/TagCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static TagCatalogue catalogue;
    const auto file = FuzzFolder::get().write ("set.kbs", data, size);

    AdviceSet headerOnly (&catalogue), complete (&catalogue);
    headerOnly.setFile (file);
    complete.setFile (file);
    headerOnly.readFromFile (1);
    complete.readFromFile (2);

    KB_FUZZ_CHECK (headerOnly.getNumItems() == 0);
    KB_FUZZ_CHECK (SetComparison::sameHeader (headerOnly, complete));

    // Per input, not kept across inputs: memory kept from one to the next would look like a leak.
    AdviceSet reused (&catalogue);
    reused.setFile (file);
    reused.readFromFile (2);
    reused.readFromFile (1);
    KB_FUZZ_CHECK (SetComparison::sameHeader (reused, complete));
    reused.readFromFile (2);
    KB_FUZZ_CHECK (SetComparison::sameSet (reused, complete));
    return 0;
}
