#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
constexpr int itemsPerCopy = 6;
constexpr int rounds = 60;

/** A set whose advice belongs half to one copy ("A ..."), half to the other ("B ..."). */
juce::File writeSharedSet (const juce::File& base, const TagCatalogue& catalogue)
{
    auto data = base.getChildFile ("data");
    data.createDirectory();

    AdviceSet set (&catalogue);
    set.setFile (data.getChildFile ("shared.kbs"));
    set.setName ("Shared");

    for (auto prefix : { "A ", "B " })
        for (int k = 0; k < itemsPerCopy; ++k)
        {
            set.addItem();
            set.setItemText (set.getNumItems() - 1, prefix + juce::String (k));
            set.setItemTagsFromString (set.getNumItems() - 1, "1,");
        }

    set.writeToFile();
    return set.getFile();
}

std::unique_ptr<juce::ChildProcess> startMarker (const juce::File& base, const char* prefix)
{
    auto process = std::make_unique<juce::ChildProcess>();
    const bool started = process->start (juce::StringArray { KB_FAVOURITE_MARKER, base.getFullPathName(), prefix,
                                                             juce::String (rounds) },
                                         0);
    return started ? std::move (process) : nullptr;
}
} // namespace

TEST (TwoRunningCopies, MarkTheSameSetWithoutTearingItOrLosingAMark)
{
    kbtest::TempFolder temp;
    TagCatalogue catalogue;
    const auto base = temp.getChildFile ("app");
    const auto file = writeSharedSet (base, catalogue);
    ASSERT_TRUE (file.existsAsFile());

    auto a = startMarker (base, "A ");
    auto b = startMarker (base, "B ");
    ASSERT_NE (a, nullptr);
    ASSERT_NE (b, nullptr);

    // Both have read the library before either marks anything.
    for (int i = 0; i < 6000 && ! (base.getChildFile ("Aready").exists() && base.getChildFile ("Bready").exists()); ++i)
        juce::Thread::sleep (5);
    ASSERT_TRUE (base.getChildFile ("go").create());

    // While both write, every read finds a whole set.
    int reads = 0;
    while ((a->isRunning() || b->isRunning()) && reads < 100000)
    {
        AdviceSet seen (&catalogue);
        seen.setFile (file);
        ASSERT_EQ (AdviceSet::getSetFileKind (file), 2) << "after " << reads << " reads";
        seen.readFromFile (2);
        ASSERT_EQ (seen.getNumItems(), 2 * itemsPerCopy) << "after " << reads << " reads";
        ASSERT_EQ (seen.getName(), "Shared");
        ++reads;
       #if JUCE_WINDOWS
        // Windows renames nothing over a file that is open: a reader that never lets go, as
        // no running copy does, would keep the writers out.
        juce::Thread::sleep (2);
       #endif
    }

    ASSERT_TRUE (a->waitForProcessToFinish (60000));
    ASSERT_TRUE (b->waitForProcessToFinish (60000));
    EXPECT_EQ (a->getExitCode(), 0u) << "marks of A not written";
    EXPECT_EQ (b->getExitCode(), 0u) << "marks of B not written";

    // Each copy's last round stands in the file, whatever the other wrote after it.
    AdviceSet last (&catalogue);
    last.setFile (file);
    last.readFromFile (2);
    ASSERT_EQ (last.getNumItems(), 2 * itemsPerCopy);

    for (int i = 0; i < last.getNumItems(); ++i)
    {
        const auto k = last.getItemText (i).getTrailingIntValue();
        EXPECT_EQ (last.isItemFavourite (i), (rounds - 1 + k) % 2 == 0) << last.getItemText (i);
    }
}

TEST (TwoRunningCopies, AMarkBuildsOnWhatTheOtherCopyWrote)
{
    kbtest::TempFolder temp;
    TagCatalogue catalogue;
    const auto base = temp.getChildFile ("app");
    const auto file = writeSharedSet (base, catalogue);

    SetLibrary first (&catalogue), second (&catalogue);
    for (auto* library : { &first, &second })
    {
        library->setBaseFolder (base);
        library->reload();
        library->buildPool (-1, {}, -1, 0);
        ASSERT_EQ (library->getPoolSize(), 2 * itemsPerCopy);
    }

    // The first copy marks "A 0"; the second, which read the set before, marks "B 1".
    ASSERT_TRUE (first.setPoolFavourite (0, true));
    ASSERT_TRUE (second.setPoolFavourite (itemsPerCopy + 1, true));
    EXPECT_TRUE (second.isPoolFavourite (0)) << "the second copy shows the first one's mark once it wrote";
    EXPECT_FALSE (first.isPoolFavourite (itemsPerCopy + 1)) << "nothing read behind the user's back";

    // Meanwhile another copy's editor took "A 2" out of the set and added an advice.
    AdviceSet edited (&catalogue);
    edited.setFile (file);
    edited.readFromFile (2);
    edited.removeItem (2);
    edited.addItem();
    edited.setItemText (edited.getNumItems() - 1, "A 0"); // a second advice with the same text
    ASSERT_TRUE (edited.writeToFile());

    EXPECT_FALSE (first.setPoolFavourite (2, true)) << "a mark does not bring removed advice back";
    EXPECT_FALSE (first.isPoolFavourite (2));
    ASSERT_TRUE (first.setPoolFavourite (0, false));

    AdviceSet result (&catalogue);
    result.setFile (file);
    result.readFromFile (2);
    ASSERT_EQ (result.getNumItems(), 2 * itemsPerCopy);
    int marked = 0;
    for (int i = 0; i < result.getNumItems(); ++i)
        if (result.isItemFavourite (i))
        {
            ++marked;
            EXPECT_EQ (result.getItemText (i), "B 1");
        }
    EXPECT_EQ (marked, 1);
    // Advice of the same text are told apart by rank: the added one is the second in the file.
    EXPECT_EQ (result.findItemLike (edited, edited.getNumItems() - 1), 1);
    EXPECT_EQ (result.findItemLike (edited, 0), 0);
}
