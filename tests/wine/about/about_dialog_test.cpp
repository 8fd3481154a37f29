// The version box as it opens: its icons, drawing objects and help. (Its
// panel scrolling while it is open is the screen test's.)
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "resources/setup/resource_ids.h"
#include "setup/about_dialog.h"
#include "tests/support/test_support.h"
#include "win32/html_help.h"

namespace {

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog_.CreateModeless(GetModuleHandleA(nullptr), IDD_ABOUT, nullptr));
    }
    setup::AboutDialog dialog_{GetModuleHandleA(nullptr), ""};
};

TEST_F(AboutBox, ShowsTheProgramIconAndGivesItForDragging)
{
    HICON icon = dialog_.icon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(SendMessageA(dialog_.handle(), WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
    EXPECT_NE(SendMessageA(dialog_.handle(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(SendMessageA(dialog_.handle(), WM_QUERYDRAGICON, 0, 0), reinterpret_cast<LRESULT>(icon));
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXICON));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(AboutBoxEnd, FreesItsDrawingObjects)
{
    std::vector<HGDIOBJ> objects;
    {
        setup::AboutDialog dialog(GetModuleHandleA(nullptr), "");
        ASSERT_TRUE(dialog.CreateModeless(GetModuleHandleA(nullptr), IDD_ABOUT, nullptr));
        ShowWindow(dialog.handle(), SW_SHOW);
        for (int i = 0; i < 20; ++i)
            dialog.credits().Tick();
        UpdateWindow(dialog.handle());
        objects = {dialog.mailLink().font(), dialog.webLink().font(), dialog.credits().canvas()};
        for (HGDIOBJ object : objects)
            ASSERT_NE(GetObjectType(object), 0u);
    }
    for (HGDIOBJ object : objects)
        EXPECT_EQ(GetObjectType(object), 0u);
}

void PressF1(HWND box)
{
    HELPINFO info = {sizeof info, HELPINFO_WINDOW, 0, box, 0, {0, 0}};
    SendMessageA(box, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

// (Wine's HTML Help opens nothing for a missing file, so that the box's test
// for the file cannot be told from it here.)
TEST(AboutBoxHelp, F1OpensTheHelpFile)
{
    std::string helpFile = testing_support::BinaryFolder() + "Ombrix.chm";
    ASSERT_TRUE(testing_support::FileExists(helpFile));
    auto windows = [] { return testing_support::WindowsOfProcess(GetCurrentProcessId()).size(); };
    size_t before = windows();
    {
        setup::AboutDialog dialog(GetModuleHandleA(nullptr), helpFile);
        ASSERT_TRUE(dialog.CreateModeless(GetModuleHandleA(nullptr), IDD_ABOUT, nullptr));
        size_t boxes = windows();
        PressF1(dialog.handle());
        EXPECT_TRUE(testing_support::WaitFor([&] { return windows() > boxes; }));
    }
    // The box's end closes the help window before the control is unloaded.
    EXPECT_TRUE(testing_support::WaitFor([&] { return windows() <= before; }));
}

TEST(HtmlHelp, RegisteredFileWithoutTheFunctionFallsBackToTheSystemControl)
{
    const char key[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    testing_support::ClassesKey registered(key, (std::string(system) + "\\shlwapi.dll").c_str());
    win32::HtmlHelpControl help;
    EXPECT_TRUE(help.Load());
}

}  // namespace
