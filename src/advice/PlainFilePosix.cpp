#include "PlainFile.h"

#include <sys/stat.h>

bool PlainFile::test (const juce::File& file)
{
    struct stat info;
    return stat (file.getFullPathName().toRawUTF8(), &info) == 0 && S_ISREG (info.st_mode);
}
