// The library over a data folder holding the input as a set file beside a good set: the pool
// holds every item, and a favourite mark written to the input's set keeps all of its advice.
#include "FuzzFolder.h"

#include "advice/AdviceSet.h"
#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static TagCatalogue catalogue;
    const auto& folder = FuzzFolder::get().getFolder();
    const char good[] = "KindlebrookV1 - Set file\n\nName=Good;\nDescription=d;\nAuthor=a;\nLanguage=1;\nColour=1,2,3;\n\n"
                        "Item=kept;\nFavorite=false;\nTags=1,;\n\n";
    FuzzFolder::get().write ("data/good.kbs", good, sizeof (good) - 1);
    FuzzFolder::get().write ("data/input.kbs", data, size);

    SetLibrary library (&catalogue);
    library.setBaseFolder (folder);
    library.reload();
    KB_FUZZ_CHECK (library.getNumSets() == 2);
    library.buildPool (-1, {}, -1, 0);

    const int inputSet = library.getSetFileNames (-1).indexOf ("input.kbs");
    KB_FUZZ_CHECK (inputSet >= 0);
    const int inputItems = library.getSet (inputSet)->getNumItems();
    KB_FUZZ_CHECK (library.getPoolSize() == inputItems + 1);

    for (int i = 0; i < library.getPoolSize(); ++i)
    {
        library.getPoolText (i);
        library.getPoolAuthor (i);
        library.getPoolColour (i);
    }

    // Mark the input's first advice; the rewritten file must give back as many.
    library.buildPool (-1, "input.kbs", -1, 0);

    if (library.getPoolSize() > 0)
    {
        const bool wasFavourite = library.isPoolFavourite (0);
        const auto text = library.getPoolText (0);
        KB_FUZZ_CHECK (library.setPoolFavourite (0, ! wasFavourite));
        library.reload();
        library.buildPool (-1, "input.kbs", -1, 0);
        KB_FUZZ_CHECK (library.getPoolSize() == inputItems);

        int marked = 0;

        for (int i = 0; i < library.getPoolSize(); ++i)
            marked += library.getPoolText (i) == text && library.isPoolFavourite (i) != wasFavourite ? 1 : 0;

        KB_FUZZ_CHECK (marked >= 1);
    }

    return 0;
}
