#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"

#include "SmallFileSystem.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
juce::MemoryBlock bytesOf (const juce::File& file)
{
    juce::MemoryBlock block;
    file.loadFileAsData (block);
    return block;
}

juce::StringArray namesIn (const juce::File& folder)
{
    juce::StringArray names;
    for (auto& child : folder.findChildFiles (juce::File::findFilesAndDirectories, false, "*", juce::File::FollowSymlinks::no))
        names.add (child.getFileName());
    return names;
}

/** Bytes the writer stores for the set: UTF-16 with its byte-order mark, "\n" as CR LF. */
int writtenSize (const AdviceSet& set)
{
    const auto text = set.createFileText();
    int lineEnds = 0;
    for (auto c : text)
        lineEnds += c == '\n' ? 1 : 0;
    return 2 + 2 * (text.length() + lineEnds);
}

/** Advice whose written file takes about the wanted size: the texts are padded to fit. */
void fillSet (AdviceSet& set, int numItems, int fileBytes)
{
    while (set.getNumItems() > 0)
        set.removeItem (0);

    for (int i = 0; i < numItems; ++i)
    {
        set.addItem();
        set.setItemText (i, juce::String (i).paddedLeft ('0', 4));
        set.setItemTagsFromString (i, "1,2,");
    }

    const auto padding = juce::jmax (0, (fileBytes - writtenSize (set)) / (2 * numItems));

    for (int i = 0; i < numItems; ++i)
        set.setItemText (i, set.getItemText (i) + juce::String::repeatedString ("x", padding));
}

struct Growth
{
    int fileSystemKilobytes, oldItems, oldKilobytes, newItems, newKilobytes;
    juce::int64 leftFree;
};

// Sizes as they were seen to lose advice: the last part of the new file does not fit.
const Growth growths[] = { { 64, 40, 12, 40, 15, 12 * 1024 }, { 112, 40, 40, 75, 77, 72 * 1024 } };
} // namespace

TEST (FullDisk, ASetThatGrowsPastTheRoomLeftKeepsItsOldFileWhole)
{
    if (const auto why = kbtest::SmallFileSystem::whyUnavailable(); why.isNotEmpty())
        GTEST_SKIP() << why;

    TagCatalogue catalogue;

    for (auto& growth : growths)
        for (bool mayMount : { true, false })
        {
            kbtest::SmallFileSystem disk (growth.fileSystemKilobytes, mayMount);
            SCOPED_TRACE (disk.describe() + " of " + juce::String (growth.fileSystemKilobytes) + " KB");
            const auto file = disk.getChildFile ("grows.kbs");

            AdviceSet old (&catalogue);
            old.setFile (file);
            old.setName ("Grows");
            fillSet (old, growth.oldItems, growth.oldKilobytes * 1024);
            ASSERT_TRUE (old.writeToFile());
            const auto oldBytes = bytesOf (file);
            ASSERT_NEAR ((double) oldBytes.getSize(), growth.oldKilobytes * 1024.0, 1024.0);

            AdviceSet bigger (&catalogue);
            bigger.setFile (file);
            bigger.setName ("Grows");
            fillSet (bigger, growth.newItems, growth.newKilobytes * 1024);
            bigger.setItemFavourite (0, true);
            ASSERT_NEAR ((double) writtenSize (bigger), growth.newKilobytes * 1024.0, 1024.0);

            disk.leaveFree (growth.leftFree);
            EXPECT_FALSE (bigger.writeToFile());
            disk.makeRoom();

            EXPECT_TRUE (bytesOf (file) == oldBytes) << "the old file changed";
            EXPECT_EQ (namesIn (disk.getFolder()), juce::StringArray ("grows.kbs")) << "a temporary file was left";

            AdviceSet read (&catalogue);
            read.setFile (file);
            read.readFromFile (2);
            EXPECT_EQ (read.getNumItems(), growth.oldItems);

            // With room again the same write goes through: only the room was missing. (The
            // larger tmpfs never holds both files at once: there the user must make room.)
            if (disk.isMounted() && growth.oldKilobytes + growth.newKilobytes >= growth.fileSystemKilobytes)
                continue;

            ASSERT_TRUE (bigger.writeToFile());
            read.readFromFile (2);
            EXPECT_EQ (read.getNumItems(), growth.newItems);
            EXPECT_TRUE (read.isItemFavourite (0));
        }
}

TEST (FullDisk, AFavouriteMarkWhoseFolderBecameAFileCreatesNothing)
{
    kbtest::TempFolder temp;
    TagCatalogue catalogue;
    const auto data = temp.getChildFile ("data");
    ASSERT_TRUE (data.createDirectory().wasOk());

    AdviceSet set (&catalogue);
    set.setFile (data.getChildFile ("marks.kbs"));
    fillSet (set, 3, 1024);
    ASSERT_TRUE (set.writeToFile());

    SetLibrary library (&catalogue);
    library.setBaseFolder (temp.getFolder());
    library.reload();
    library.buildPool (-1, {}, -1, 0);
    ASSERT_EQ (library.getPoolSize(), 3);

    ASSERT_TRUE (data.moveFileTo (temp.getChildFile ("elsewhere")));
    ASSERT_TRUE (data.replaceWithText ("not a folder"));
    EXPECT_FALSE (library.setPoolFavourite (1, true));
    EXPECT_FALSE (library.isPoolFavourite (1));
    EXPECT_EQ (data.loadFileAsString(), "not a folder");
    EXPECT_EQ (namesIn (temp.getChildFile ("elsewhere")), juce::StringArray ("marks.kbs"));
}
