// The editor's write rules against a settings file in memory: only changed
// keys of changed sections, in order, relative menu paths, renumbering.
#include <gtest/gtest.h>

#include "editor/save_all.h"
#include "editor/section_loader.h"
#include "editor/section_operations.h"
#include "model_fakes.h"
#include "settings/paths.h"

using namespace editor;
using namespace editor_test;

namespace {

const char kMenu[] = "POPUP m\r\nBEGIN\r\nMENUITEM a.exe, A\r\nMENUITEM b.exe, B\r\nEND\r\n";

class WriteRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        model.set_poolPath(dir.path);
        file.Set("Main", "TrayNo", "3");
        for (int n = 1; n <= 3; ++n) {
            std::string s = "Section" + std::to_string(n), d = "Icon" + std::to_string(n);
            file.Set(s, "Desc", d);
            file.Set(s, "Opt_L", "327680");
            file.Set(s, "Opt_R", "327680");
            file.Set(s, "MenuPath_L", d + "_l.txt");
            file.Set(s, "MenuPath_R", d + "_r.txt");
            dir.Write(d + "_l.txt", kMenu);
            dir.Write(d + "_r.txt", kMenu);
        }
        ASSERT_TRUE(LoadSettings(model, file, services));
    }
    bool Save() { return SaveAll(model, writer, file, services); }

    TempDir dir;
    MemoryProfile file;
    Services services;
    SettingsModel model;
    ChangeHistory history;
    SectionOperations operations{model, history, services};
    MenuWriterStub writer;
};

}  // namespace

TEST_F(WriteRules, UnchangedWritesNothingDescAloneWritesDescOnly)
{
    EXPECT_FALSE(model.AnythingModified());
    EXPECT_TRUE(Save());
    EXPECT_TRUE(file.written.empty());
    EXPECT_TRUE(writer.files.empty());

    EXPECT_EQ(operations.Rename(1, "Mail"), RenameResult::Renamed);
    EXPECT_TRUE(Save());
    EXPECT_EQ(file.written, std::vector<std::string>{"Section2.Desc=Mail"});
    EXPECT_FALSE(model.AnythingModified());
}

TEST_F(WriteRules, MissingKeysTakeTheEditorDefaultsAndAreWrittenInOrder)
{
    file.Set("Section1", "Opt_L", "");  // reads as 0: the resident's default
    MemoryProfile fresh;
    fresh.Set("Main", "TrayNo", "1");
    fresh.Set("Section1", "MenuPath_L", "Icon1_l.txt");
    fresh.Set("Section1", "MenuPath_R", "Icon1_r.txt");
    SettingsModel other;
    other.set_poolPath(dir.path);
    ASSERT_TRUE(LoadSettings(other, fresh, services));
    EXPECT_EQ(other.section(0).values().menus[kLeft].options, 0x50000);
    EXPECT_EQ(other.section(0).values().description, "Tray_5F000000");
    EXPECT_TRUE(SaveAll(other, writer, fresh, services));
    EXPECT_EQ(fresh.written, (std::vector<std::string>{"Section1.Desc=Tray_5F000000", "Section1.Opt_L=327680",
                                                         "Section1.Opt_R=327680"}));
}

TEST_F(WriteRules, MenuPathsUnderThePoolAreWrittenRelative)
{
    const std::string pool = "C:\\\x95\x5CX\\";  // 表X: a trail byte 0x5C
    const struct {
        const char* full;
        const char* written;
    } cases[] = {
        {"c:\\\x95\x5Cx\\m.txt", "m.txt"},              // letters without case
        {"C:\\\x95\x5CX\\", "C:\\\x95\x5CX\\"},         // not longer than the pool
        {"C:\\\x95\x7CX\\m.txt", "C:\\\x95\x7CX\\m.txt"},  // another character
        {"D:\\m.txt", "D:\\m.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settings::RelativeMenuPath(pool, c.full), c.written) << c.full;
    // A double-byte character whose trail byte is a letter is not folded.
    EXPECT_EQ(settings::RelativeMenuPath("C:\\\x83\x61\\", "C:\\\x83\x41\\m.txt"), "C:\\\x83\x41\\m.txt");

    SectionValues values = model.section(0).values();
    for (char& c : values.menus[kLeft].path = dir.path + "Other.txt")
        c = static_cast<char>(toupper(c));
    history.Do(model, std::make_unique<SectionValuesChange>(0, values));
    EXPECT_TRUE(Save());
    EXPECT_EQ(file.written, (std::vector<std::string>{"Section1.MenuPath_L=OTHER.TXT"}));
}

TEST_F(WriteRules, DeleteRenumbersAndNewStartsFromDefaultsWithItsOwnFiles)
{
    file.Set("Section1", "IconUp", "x.ico");
    SectionValues first = model.section(0).values();
    first.normalIconFile = "x.ico";
    history.Do(model, std::make_unique<SectionValuesChange>(0, first));
    ASSERT_TRUE(Save());
    operations.Delete(0);
    EXPECT_TRUE(Save());
    EXPECT_EQ(file.Get("Main", "TrayNo"), "2");
    EXPECT_EQ(file.Get("Section1", "Desc"), "Icon2");
    EXPECT_EQ(file.Get("Section1", "IconUp"), "");  // rewritten in full under its new number
    EXPECT_EQ(file.Get("Section2", "MenuPath_L"), "Icon3_l.txt");
    EXPECT_EQ(file.Get("Section3", "Desc"), "Icon3");  // the highest old section stays

    file.Set("Section3", "Flags", "3");
    file.written.clear();
    size_t added = operations.New();
    EXPECT_EQ(model.section(added).values().menus[kLeft].options, 0x50000);
    EXPECT_TRUE(Save());
    EXPECT_EQ(file.Get("Section3", "Flags"), "0");
    EXPECT_EQ(file.Get("Section3", "Desc"), "Tray_5F000000");
    EXPECT_EQ(file.Get("Section3", "MenuPath_L"), "Tray_5F000000_L1593835520.txt");
    EXPECT_EQ(writer.files.size(), 2u);
    EXPECT_EQ(writer.files.count(dir.path + "Tray_5F000000_R1593835520.txt"), 1u);
}

TEST_F(WriteRules, AFailedMenuFileKeepsItsSectionModifiedAndNoKeyNamesIt)
{
    size_t added = operations.New();
    std::string failed = model.section(added).values().menus[kRight].path;
    writer.failing.insert(failed);
    EXPECT_FALSE(Save());
    EXPECT_EQ(file.Get("Section4", "MenuPath_R"), "");
    EXPECT_NE(file.Get("Section4", "MenuPath_L"), "");
    EXPECT_TRUE(model.section(added).menu(kRight)->modified());
    EXPECT_FALSE(model.section(added).menu(kLeft)->modified());
    EXPECT_TRUE(model.AnythingModified());

    writer.failing.clear();
    file.failCommit = true;
    EXPECT_FALSE(Save());
    EXPECT_TRUE(model.section(added).modified());
    file.failCommit = false;
    EXPECT_TRUE(Save());
    EXPECT_EQ(file.Get("Section4", "MenuPath_R"), settings::RelativeMenuPath(dir.path, failed));
    EXPECT_FALSE(model.AnythingModified());
}
