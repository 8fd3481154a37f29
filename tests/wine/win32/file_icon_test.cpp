// Icons taken out of files: the system's two sizes, and nothing (never a
// number posing as a handle) where the shell has no icon to give.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "tests/support/test_support.h"
#include "win32/file_icon.h"

using win32::ExtractFileIcon;
using win32::IconSize;

namespace {

std::string Shell32()
{
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\shell32.dll";
}

// The width of a real icon; 0 for anything that is not one.
int Width(const win32::UniqueIcon& icon)
{
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon.get(), &info))
        return 0;
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// The icon's colour pixels, drawn on white: equal pictures, equal vectors.
std::vector<COLORREF> Pixels(const win32::UniqueIcon& icon, int size)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc, 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

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
        EXPECT_EQ(Pixels(loaded, small), Pixels(ExtractFileIcon(Shell32(), number, IconSize::Small), small))
            << number;
    }
    EXPECT_EQ(Width(win32::LoadedModuleIcon(shell, 3, IconSize::Large)), GetSystemMetrics(SM_CXICON));
    EXPECT_FALSE(win32::LoadedModuleIcon(shell, count, IconSize::Small));
    EXPECT_FALSE(win32::LoadedModuleIcon(nullptr, 0, IconSize::Small));
    FreeLibrary(shell);
}
