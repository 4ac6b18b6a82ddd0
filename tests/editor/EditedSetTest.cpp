#include "advice/AdviceSet.h"
#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"
#include "editor/EditedSet.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct EditedSetTest : public ::testing::Test
{
    EditedSetTest()
    {
        library.setBaseFolder (temp.getFolder());
        temp.getChildFile ("data").createDirectory();
    }

    juce::File writeSet (const juce::String& fileName, const char* text, bool favourite = false)
    {
        AdviceSet s (&catalogue);
        s.setName (fileName);
        s.setFile (temp.getChildFile ("data/" + fileName));
        s.addItem();
        s.setItemText (0, text);
        s.setItemTagsFromString (0, "2,205,");
        s.setItemFavourite (0, favourite);
        EXPECT_TRUE (s.writeToFile());
        return s.getFile();
    }

    std::unique_ptr<AdviceSet> reread (const juce::File& file)
    {
        auto s = std::make_unique<AdviceSet> (&catalogue);
        s->setFile (file);
        s->readFromFile (2);
        return s;
    }

    kbtest::TempFolder temp;
    TagCatalogue catalogue;
    SetLibrary library { &catalogue };
    EditedSet edited { &catalogue, &library };
};
} // namespace

TEST_F (EditedSetTest, OpensOnlyWhatIsASet)
{
    const auto mine = writeSet ("mine.kbs", "One");
    ASSERT_EQ (edited.open (mine), EditedSet::OpenResult::opened);
    const auto identity = edited.getIdentity();

    const auto notes = temp.getChildFile ("data/notes.kbs");
    ASSERT_TRUE (notes.replaceWithText ("just some notes\nnothing else\n"));
    const auto notesBefore = notes.loadFileAsString();
    EXPECT_EQ (edited.open (notes), EditedSet::OpenResult::notASet);
    EXPECT_EQ (edited.open (temp.getChildFile ("data/missing.kbs")), EditedSet::OpenResult::missing);
    EXPECT_EQ (edited.get()->getItemText (0), "One") << "the set open stays";
    EXPECT_EQ (edited.getIdentity(), identity);
    EXPECT_EQ (edited.getTitle(), "Kindlebrook - mine.kbs");
    EXPECT_EQ (notes.loadFileAsString(), notesBefore);
}

TEST_F (EditedSetTest, AFailedSaveKeepsTheFileAndTheChanges)
{
    const auto mine = writeSet ("mine.kbs", "One");
    const auto before = mine.loadFileAsString();
    edited.open (mine);
    edited.setName ("Changed");

    // A file stands where the target's folder should be: nothing can be written there, not even by root.
    EXPECT_FALSE (edited.saveAs (mine.getChildFile ("inside.kbs")));
    EXPECT_EQ (edited.get()->getFile(), mine) << "the set keeps its own file";
    EXPECT_FALSE (edited.isUpToDate());
    EXPECT_EQ (edited.getTitle(), "Kindlebrook - mine.kbs*");
    EXPECT_EQ (mine.loadFileAsString(), before);

    // A set never saved has no file to save to.
    edited.createNew (1);
    EXPECT_FALSE (edited.save());
    EXPECT_EQ (edited.getTitle(), "Kindlebrook*");
}

TEST_F (EditedSetTest, SaveAsOverAnExistingNameTakesNoMarksFromIt)
{
    const auto mine = writeSet ("mine.kbs", "Shared text");
    const auto other = writeSet ("other.kbs", "Shared text", true);
    const auto mineBefore = mine.loadFileAsString();
    edited.open (mine);

    ASSERT_TRUE (edited.saveAs (other));
    EXPECT_EQ (edited.getTitle(), "Kindlebrook - other.kbs");
    EXPECT_EQ (reread (other)->getName(), "mine.kbs");
    EXPECT_FALSE (reread (other)->isItemFavourite (0)) << "the replaced file's marks were not this set's";
    EXPECT_EQ (mine.loadFileAsString(), mineBefore);

    // From now on it is the set's own file: a mark another running copy makes there is kept.
    auto marked = reread (other);
    marked->setItemFavourite (0, true);
    ASSERT_TRUE (marked->writeToFile());
    edited.setAuthor ("Me");
    ASSERT_TRUE (edited.save());
    EXPECT_TRUE (reread (other)->isItemFavourite (0));
    EXPECT_EQ (reread (other)->getAuthor(), "Me");
}

TEST_F (EditedSetTest, TheRecoveryCopyLeavesTheSetAndItsFileAlone)
{
    const auto mine = writeSet ("mine.kbs", "One");
    const auto before = mine.loadFileAsString();
    edited.open (mine);
    EXPECT_EQ (edited.keepRecoveryCopy (1), juce::File()) << "nothing to keep";

    edited.setItemText (0, "Changed");
    const auto copy = edited.keepRecoveryCopy (0);
    EXPECT_EQ (copy, temp.getChildFile (juce::String (juce::CharPointer_UTF8 ("data/mine (non enregistr\xc3\xa9).kbs"))));
    EXPECT_EQ (reread (copy)->getItemText (0), "Changed");
    EXPECT_EQ (mine.loadFileAsString(), before);
    EXPECT_EQ (edited.get()->getFile(), mine);
    EXPECT_FALSE (edited.isUpToDate());

    edited.createNew (1);
    EXPECT_EQ (edited.keepRecoveryCopy (1), temp.getChildFile ("data/Unsaved set.kbs"));
    EXPECT_NE (edited.keepRecoveryCopy (1), temp.getChildFile ("data/Unsaved set.kbs")) << "an earlier copy is kept";
}

TEST_F (EditedSetTest, EditsThatChangeNothingLeaveTheSetUpToDate)
{
    edited.open (writeSet ("mine.kbs", "One"));
    const auto* set = edited.get();

    EXPECT_FALSE (edited.setItemTags (0, "2,205,"));
    EXPECT_FALSE (edited.setColour (set->getColour()));
    EXPECT_FALSE (edited.setName (set->getName()));
    EXPECT_FALSE (edited.setItemText (3, "No such item"));
    EXPECT_TRUE (edited.isUpToDate());

    EXPECT_TRUE (edited.setItemTags (0, "2,205,301,"));
    EXPECT_FALSE (edited.isUpToDate());
}
