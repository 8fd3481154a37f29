// Reading a section's menus with question 170 and its three answers.
#include <gtest/gtest.h>

#include "editor/section_loader.h"
#include "model_fakes.h"

using namespace editor;
using namespace editor_test;

namespace {

class MenuLoading : public ModelFixture {
protected:
    void SetUp() override
    {
        model.set_poolPath(dir.path);
        file.Set("Main", "TrayNo", "1");
        file.Set("Section1", "Desc", "A\\b|c\x83\x5C\x83\x7C:d");  // ソ and ポ keep their trail bytes
        file.Set("Section1", "MenuPath_L", "left.txt");
        file.Set("Section1", "MenuPath_R", "right.txt");
        dir.Write("right.txt", "POPUP m\r\nBEGIN\r\nEND\r\n");
    }
    const Section& First() const { return model.section(0); }
};

}  // namespace

TEST_F(MenuLoading, MissingFileAndNewFileGivesAnEmptyMenuUnderACleanedNewName)
{
    services.answers = {FileAnswer::NewFile};
    ASSERT_TRUE(LoadSettings(model, file, services));
    EXPECT_EQ(services.asked, std::vector<std::string>{dir.path + "left.txt"});
    EXPECT_EQ(First().values().menus[kLeft].path, dir.path + "Abc\x83\x5C\x83\x7C" "d_L1593835520.txt");
    EXPECT_TRUE(First().menu(kLeft)->modified());
    EXPECT_TRUE(First().menu(kLeft)->root()->entries.empty());
    EXPECT_TRUE(First().modified());
    EXPECT_FALSE(First().menu(kRight)->modified());
}

TEST_F(MenuLoading, OtherFileAsksAgainUntilAFileReadsAndTakesItsName)
{
    std::string bad = dir.Write("bad.txt", "nonsense\r\n");
    std::string good = dir.Write("good.txt", "POPUP m\r\nBEGIN\r\nMENUITEM x.exe\r\nEND\r\n");
    services.answers = {FileAnswer::OtherFile};
    services.picks = {bad, good};
    ASSERT_TRUE(LoadSettings(model, file, services));
    EXPECT_EQ(services.asked.size(), 1u);  // the dialog again, not the question
    EXPECT_EQ(First().values().menus[kLeft].path, good);
    EXPECT_TRUE(First().modified());
    EXPECT_FALSE(First().menu(kLeft)->modified());
}

// Cancel at the start ends it: the real boxes' test (MenuQuestion).
TEST_F(MenuLoading, LaterCancelActsAsNewFile)
{
    EditMenuFile missing(dir.path + "gone.txt", services.reports);
    services.answers = {FileAnswer::Cancel};
    EXPECT_TRUE(LoadMenuAsking(missing, services, false));
    services.answers = {FileAnswer::OtherFile};
    EXPECT_TRUE(LoadMenuAsking(missing, services, false));  // dialog cancelled: goes on
    EXPECT_TRUE(missing.fileFailed());
}
