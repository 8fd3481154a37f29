// Icons taken out of files: the system's two sizes, and nothing (never a
// number posing as a handle) where the shell has no icon to give.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "tests/support/test_support.h"
#include "win32/file_icon.h"

using win32::ExtractFileIcon;
using win32::IconSize;

namespace {

std::string Shell32() { return testing_support::SystemFile("shell32.dll"); }

int Width(const win32::UniqueIcon& icon) { return testing_support::IconWidth(icon.get()); }

}  // namespace

TEST(FileIcons, ByPositionOrResourceIdInEitherSize)
{
    int count = win32::CountFileIcons(Shell32());
    ASSERT_GT(count, 3);
    EXPECT_TRUE(ExtractFileIcon(Shell32(), count - 1, IconSize::Large));
    EXPECT_FALSE(ExtractFileIcon(Shell32(), count, IconSize::Large));
    EXPECT_EQ(Width(ExtractFileIcon(Shell32(), 3, IconSize::Large)), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(Width(ExtractFileIcon(Shell32(), 3, IconSize::Small)), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(Width(ExtractFileIcon(Shell32(), -4, IconSize::Large)), GetSystemMetrics(SM_CXICON));
}

TEST(FileIcons, NoneForTheCountQueryAFileWithoutIconsOrAMissingOne)
{
    testing_support::TempFolder folder("file_icon");
    ASSERT_TRUE(testing_support::WriteFileBytes(folder / "plain.txt", "no icons here"));
    EXPECT_EQ(win32::CountFileIcons(folder / "plain.txt"), 0);
    for (IconSize size : {IconSize::Large, IconSize::Small}) {
        EXPECT_FALSE(ExtractFileIcon(Shell32(), -1, size)) << "-1 asks for the number of icons";
        EXPECT_FALSE(ExtractFileIcon(folder / "plain.txt", 0, size));
        EXPECT_FALSE(ExtractFileIcon(folder / "missing.ico", 0, size));
        EXPECT_FALSE(ExtractFileIcon(Shell32(), 100000, size));
    }
}

TEST(FileIcons, ALoadedModuleGivesTheFilesIconsByPosition)
{
    HMODULE shell = LoadLibraryA("shell32.dll");
    int count = win32::CountFileIcons(Shell32()), small = GetSystemMetrics(SM_CXSMICON);
    for (int number : {0, 35, count - 1}) {
        win32::UniqueIcon loaded = win32::LoadedModuleIcon(shell, number, IconSize::Small);
        ASSERT_TRUE(loaded) << number;
        win32::UniqueIcon extracted = ExtractFileIcon(Shell32(), number, IconSize::Small);
        EXPECT_EQ(testing_support::IconPixels(loaded.get(), small), testing_support::IconPixels(extracted.get(), small))
            << number;
    }
    EXPECT_EQ(Width(win32::LoadedModuleIcon(shell, 3, IconSize::Large)), GetSystemMetrics(SM_CXICON));
    EXPECT_FALSE(win32::LoadedModuleIcon(shell, count, IconSize::Small));
    EXPECT_FALSE(win32::LoadedModuleIcon(nullptr, 0, IconSize::Small));
    FreeLibrary(shell);
}
