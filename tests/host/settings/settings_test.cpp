#include <gtest/gtest.h>

#include "settings/defaults.h"
#include "settings/keys.h"
#include "settings/paths.h"

using namespace settings;

namespace {
const std::string kPool = "E:\\X\\work\\";
}

TEST(MenuPath, RelativePathsJoinThePoolPathOthersStayUnchanged)
{
    const struct {
        const char* path;
        const char* resolved;
    } cases[] = {
        {"menu_l.txt", "E:\\X\\work\\menu_l.txt"},
        {"sub\\menu_l.txt", "E:\\X\\work\\sub\\menu_l.txt"},
        // A rooted path without a drive is joined too, doubling the backslash.
        {"\\a.txt", "E:\\X\\work\\\\a.txt"},
        {"D:\\menus\\a.txt", "D:\\menus\\a.txt"},
        {"C:a.txt", "C:a.txt"},
        {"\\\\srv\\x", "\\\\srv\\x"},
        {"\\\\srv", "\\\\srv"},
        {"//srv/x", "//srv/x"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveMenuPath(kPool, c.path), c.resolved) << c.path;
}

TEST(SettingsLocation, ResidentOwnNameSharedOmbrixIniAndFolderDefaults)
{
    EXPECT_EQ(ResidentSettingsPath("D:\\Tools\\Ombrix.exe"), "D:\\Tools\\Ombrix.ini");
    EXPECT_EQ(ResidentSettingsPath("D:\\Tools\\TRAY.EXE"), "D:\\Tools\\TRAY.ini");
    EXPECT_EQ(WithLastThreeReplaced("D:\\Tools\\Ombrix.exe", "chm"), "D:\\Tools\\Ombrix.chm");
    EXPECT_EQ(SharedSettingsPath("D:\\Tools\\"), "D:\\Tools\\Ombrix.ini");
    EXPECT_EQ(SharedSettingsPath("D:\\Tools"), "D:\\Tools\\Ombrix.ini");
    EXPECT_EQ(DefaultPoolPath("D:\\Tools"), "D:\\Tools\\work\\");
    EXPECT_EQ(DefaultServePath("D:\\Tools\\"), "D:\\Tools\\service\\");
}

TEST(SettingsLocation, FolderOfSkipsBackslashTrailBytes)
{
    // ソ is 0x83 0x5C in Shift-JIS: its second byte is no separator.
    EXPECT_EQ(FolderOf("C:\\x\\ソ.exe"), "C:\\x\\");
    EXPECT_EQ(FolderOf("C:\\表\\a.exe"), "C:\\表\\");
    EXPECT_EQ(FolderOf("a.exe"), "");
    EXPECT_EQ(SharedSettingsPath("C:\\ソ"), "C:\\ソ\\Ombrix.ini");
}

TEST(Defaults, SectionKeysAreFoundByTheirWholeNameInAnyCase)
{
    const SectionKey* key = FindSectionKey("iconnodown");
    ASSERT_NE(key, nullptr);
    EXPECT_STREQ(key->name, "IconNoDown");
    EXPECT_EQ(FindSectionKey("Flag"), nullptr);
    EXPECT_EQ(FindSectionKey("Flagss"), nullptr);
    EXPECT_EQ(SectionName(12), "Section12");
    EXPECT_EQ(EditorDefaultDescription(0xabcdef12u), "Tray_ABCDEF12");
}
