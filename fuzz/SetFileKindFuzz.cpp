// The kind test looks at the first bytes only: it must agree with the whole file's text.
#include "FuzzFolder.h"

#include "advice/AdviceSet.h"
#include "advice/TextCodec.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    const auto file = FuzzFolder::get().write ("kind.kbs", data, size);
    const auto whole = TextCodec::loadFile (file);
    const auto startsWithHeader = whole.view().substr (0, std::strlen (AdviceSet::fileHeader)) == AdviceSet::fileHeader;

    KB_FUZZ_CHECK (AdviceSet::getSetFileKind (file) == (startsWithHeader ? 2 : 1));
    KB_FUZZ_CHECK (AdviceSet::getSetFileKind (file.withFileExtension ("txt")) == 0);
    return 0;
}
