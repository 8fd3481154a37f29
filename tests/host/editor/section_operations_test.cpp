// Section operations as reversible changes: each one undone gives the model
// before it, redone the model after it; what Save all writes follows.
#include <gtest/gtest.h>

#include "model_fakes.h"

using namespace editor;
using namespace editor_test;

namespace {

// The model as the user sees it: ids, values and menus in order.
std::string Snapshot(const SettingsModel& model)
{
    std::string text = std::to_string(model.menuAutoHide());
    for (size_t i = 0; i < model.size(); ++i) {
        const Section& s = model.section(i);
        const SectionValues& v = s.values();
        text += "|" + std::to_string(s.id()) + ":" + v.description + ":" + std::to_string(v.flags) + ":" +
                v.menus[kLeft].path + ":" + v.menus[kRight].path;
        for (Side side : {kLeft, kRight})
            text += ":" + std::to_string(s.menu(side)->root()->entries.size());
    }
    return text;
}

class Operations : public ModelFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadSections({"One", "Two"},
                                 "POPUP m\r\nBEGIN\r\nPOPUP sub\r\nBEGIN\r\nMENUITEM a.exe\r\nEND\r\nEND\r\n",
                                 "POPUP m\r\nBEGIN\r\nEND\r\n"));
        ASSERT_TRUE(Save());  // the editor's defaults written once
    }
};

}  // namespace

TEST_F(Operations, EachOperationUndoesToTheModelBeforeAndRedoesToTheOneAfter)
{
    std::vector<std::string> states{Snapshot(model)};
    operations.New();
    operations.Duplicate(0);
    EXPECT_EQ(operations.Rename(3, "Copy"), RenameResult::Renamed);
    operations.MoveUp(1);
    operations.MoveDown(0);
    operations.Delete(2);
    history.Do(model, std::make_unique<MenuAutoHideChange>(3000));
    states.push_back(Snapshot(model));

    while (history.Undo(model)) {
    }
    EXPECT_EQ(Snapshot(model), states.front());
    EXPECT_FALSE(model.AnythingModified() && model.TrayNoChanged());
    while (history.Redo(model)) {
    }
    EXPECT_EQ(Snapshot(model), states.back());
}

TEST_F(Operations, TwoNewSectionsInOneSecondHaveTheirOwnNamesAndFiles)
{
    size_t a = operations.New(), b = operations.New();
    const SectionValues &va = model.section(a).values(), &vb = model.section(b).values();
    EXPECT_NE(va.description, vb.description);
    for (Side side : {kLeft, kRight}) {
        EXPECT_NE(va.menus[side].path, vb.menus[side].path);
        EXPECT_TRUE(model.section(b).menu(side)->modified());
    }
    // A file already on disk under the new name is never taken over.
    dir.Write("Tray_5F000002_L1593835520.txt", "keep");
    size_t c = operations.New();
    EXPECT_EQ(model.section(c).values().menus[kLeft].path, dir.path + "Tray_5F000002_L1593835520_2.txt");
    // No more sections than the resident shows.
    while (operations.CanAdd())
        operations.New();
    EXPECT_EQ(model.size(), 64u);
}

TEST_F(Operations, RenameRefusesAnotherSectionsNameInAnyCase)
{
    EXPECT_EQ(operations.Rename(1, "oNE"), RenameResult::NameTaken);
    EXPECT_EQ(operations.Rename(1, ""), RenameResult::Unchanged);
    EXPECT_EQ(operations.Rename(1, "Two"), RenameResult::Unchanged);
    EXPECT_EQ(operations.Rename(1, "TWO"), RenameResult::Renamed);  // its own name in other letters
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(model.section(1).values().description, "TWO");
}

TEST_F(Operations, DuplicateCopiesTheTreeAndTheKeysButNotTheName)
{
    size_t copy = operations.Duplicate(0);
    const Section &source = model.section(0), &dup = model.section(copy);
    EXPECT_NE(dup.values().description, source.values().description);
    EXPECT_NE(dup.values().menus[kLeft].path, source.values().menus[kLeft].path);
    EXPECT_EQ(dup.values().menus[kLeft].options, source.values().menus[kLeft].options);
    ASSERT_TRUE(menufile::SameTree(*dup.menu(kLeft)->root(), *source.menu(kLeft)->root()));
    dup.menu(kLeft)->root()->entries[0].submenu->entries.clear();
    EXPECT_EQ(source.menu(kLeft)->root()->entries[0].submenu->entries.size(), 1u);
}

TEST_F(Operations, MovesUndoneOrSavedLeaveNothingToWriteUndoAfterSaveWritesTheOldState)
{
    EXPECT_FALSE(operations.CanMoveUp(0));
    EXPECT_FALSE(operations.CanMoveDown(1));
    operations.MoveDown(0);
    EXPECT_TRUE(model.SectionNeedsWriting(0) && model.SectionNeedsWriting(1));
    history.Undo(model);
    EXPECT_FALSE(model.AnythingModified());

    operations.Rename(0, "Renamed");
    ASSERT_TRUE(Save());
    EXPECT_FALSE(model.AnythingModified());
    history.Undo(model);
    EXPECT_TRUE(model.AnythingModified());
    file.written.clear();
    ASSERT_TRUE(Save());
    EXPECT_EQ(file.written, std::vector<std::string>{"Section1.Desc=One"});
}
