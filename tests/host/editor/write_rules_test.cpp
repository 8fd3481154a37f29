// The editor's write rules against a settings file in memory: the editor's
// defaults written in order and menu paths relative to the pool.
#include <gtest/gtest.h>

#include "editor/section_loader.h"
#include "model_fakes.h"
#include "settings/paths.h"

using namespace editor;
using namespace editor_test;

namespace {

const char kMenu[] = "POPUP m\r\nBEGIN\r\nMENUITEM a.exe, A\r\nMENUITEM b.exe, B\r\nEND\r\n";

class WriteRules : public ModelFixture {
protected:
    void SetUp() override { ASSERT_TRUE(LoadSections({"Icon1", "Icon2", "Icon3"}, kMenu, kMenu)); }
};

}  // namespace

TEST_F(WriteRules, MissingKeysTakeTheEditorDefaultsAndAreWrittenInOrder)
{
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
    history.Do(model, std::make_unique<SectionValuesChange>(model.section(0), values));
    EXPECT_TRUE(Save());
    EXPECT_EQ(file.written, (std::vector<std::string>{"Section1.MenuPath_L=OTHER.TXT"}));
}
