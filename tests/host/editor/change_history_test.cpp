// The history's steps: groups taken back whole, its bound, and changes that
// find their section by id whatever the other history did meanwhile.
#include <gtest/gtest.h>

#include "editor/edit_histories.h"
#include "editor/settings_model.h"

using namespace editor;

namespace {

std::unique_ptr<Section> NamedSection(uint64_t id, const std::string& name)
{
    SectionValues values;
    values.description = name;
    return std::make_unique<Section>(id, values);
}

}  // namespace

TEST(ChangeHistory, AGroupIsOneStepOfItsKindUndoneInReverse)
{
    SettingsModel model;
    ChangeHistory history;
    {
        ChangeHistory::Group paste(history, StepKind::Paste);
        history.Do(model, std::make_unique<InsertSectionChange>(0, NamedSection(1, "a")), StepKind::New);
        ChangeHistory::Group inner(history, StepKind::Move);  // nested: still the outer step
        history.Do(model, std::make_unique<InsertSectionChange>(1, NamedSection(2, "b")));
        history.Do(model, std::make_unique<SwapSectionsChange>(0, 1));
    }
    { ChangeHistory::Group nothing(history, StepKind::Drop); }
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history.UndoKind(), StepKind::Paste);
    EXPECT_EQ(model.section(0).values().description, "b");
    ASSERT_TRUE(history.Undo(model));
    EXPECT_EQ(model.size(), 0u);
    EXPECT_EQ(history.RedoKind(), StepKind::Paste);
    ASSERT_TRUE(history.Redo(model));
    EXPECT_EQ(model.section(1).values().description, "a");
    EXPECT_FALSE(history.Redo(model));
}

TEST(ChangeHistory, StopsGrowingAtItsBoundDroppingTheOldest)
{
    SettingsModel model;
    ChangeHistory history;
    const int extra = 5;
    for (int n = 1; n <= static_cast<int>(ChangeHistory::kMaxSteps) + extra; ++n)
        history.Do(model, std::make_unique<MenuAutoHideChange>(n));
    EXPECT_EQ(history.size(), ChangeHistory::kMaxSteps);
    while (history.Undo(model)) {
    }
    EXPECT_EQ(model.menuAutoHide(), extra);  // the value before the oldest step kept
}

TEST(ChangeHistory, AWindowsChangeFindsItsSectionAfterTheFrameMovedItAndRenamesStayApart)
{
    SettingsModel model;
    EditHistories histories;
    model.Insert(0, NamedSection(7, "seven"));
    model.Insert(1, NamedSection(9, "nine"));
    ChangeHistory& window = histories.ofSection(9);
    SectionValues values = model.section(1).values();
    const int before = values.menus[kLeft].options;
    values.menus[kLeft].options = 0x50000;
    window.Do(model, std::make_unique<SectionValuesChange>(model.section(1), values), StepKind::Options);
    histories.frame().Do(model, std::make_unique<SwapSectionsChange>(0, 1), StepKind::Move);
    histories.frame().Do(model, std::make_unique<SectionNameChange>(model.section(0), "renamed"));
    EXPECT_FALSE(histories.ofSection(7).CanUndo());

    ASSERT_TRUE(window.Undo(model));  // the options of section 9, now first
    EXPECT_EQ(model.section(0).values().menus[kLeft].options, before);
    EXPECT_EQ(model.section(0).values().description, "renamed");
    ASSERT_TRUE(window.Redo(model));
    ASSERT_TRUE(histories.frame().Undo(model));  // the rename leaves the options alone
    EXPECT_EQ(model.section(0).values().description, "nine");
    EXPECT_EQ(model.section(0).values().menus[kLeft].options, 0x50000);
    EXPECT_EQ(model.section(1).values().description, "seven");
}
