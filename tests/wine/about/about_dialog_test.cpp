// The version box as it opens: its icons, drawing objects, help, and its
// links: their look, and what a click does with a target the shell can open
// and with one it cannot. (Its panel scrolling while it is open is the
// screen test's.)
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "resources/setup/resource_ids.h"
#include "setup/about_dialog.h"
#include "setup/static_link.h"
#include "tests/support/test_support.h"
#include "win32/html_help.h"
#include "win32/unique_handle.h"

namespace {

using setup::CStaticLink;

// The open command of a URL protocol, replaced (or removed, when command
// is empty) for the test's time.
testing_support::ClassesKey ProtocolCommand(const std::string& protocol, const std::string& command)
{
    return {protocol + "\\shell\\open\\command", command.empty() ? nullptr : command.c_str()};
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog_.CreateModeless(GetModuleHandleA(nullptr), IDD_ABOUT, nullptr));
    }
    // The brush, colour and font the control is given when it asks its parent.
    struct Asked {
        LRESULT brush;
        COLORREF text;
        LOGFONTA font;
    };
    Asked Ask(HWND control)
    {
        win32::WindowDc dc(control);
        Asked asked = {};
        asked.brush = SendMessageA(dialog_.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                                   reinterpret_cast<LPARAM>(control));
        asked.text = GetTextColor(dc.get());
        GetObjectA(GetCurrentObject(dc.get(), OBJ_FONT), sizeof asked.font, &asked.font);
        EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
        return asked;
    }

    static void Click(HWND control)
    {
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
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
    EXPECT_EQ(testing_support::IconWidth(icon), GetSystemMetrics(SM_CXICON));
}

TEST(AboutBoxEnd, FreesItsDrawingObjects)
{
    std::vector<HGDIOBJ> objects;
    {
        setup::AboutDialog dialog(GetModuleHandleA(nullptr), "");
        ASSERT_TRUE(dialog.CreateModeless(GetModuleHandleA(nullptr), IDD_ABOUT, nullptr));
        ShowWindow(dialog.handle(), SW_SHOW);
        UpdateWindow(dialog.handle());
        HBITMAP canvas = dialog.credits().canvas();
        for (int i = 0; i < 20; ++i) {
            dialog.credits().Tick();
            UpdateWindow(dialog.handle());
        }
        EXPECT_EQ(dialog.credits().canvas(), canvas) << "the panel's canvas is made once";
        objects = {dialog.mailLink().font(), dialog.webLink().font(), canvas};
        for (HGDIOBJ object : objects)
            ASSERT_NE(GetObjectType(object), 0u);
    }
    for (HGDIOBJ object : objects)
        EXPECT_EQ(GetObjectType(object), 0u);
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
        HELPINFO info = {sizeof info, HELPINFO_WINDOW, 0, dialog.handle(), 0, {0, 0}};
        SendMessageA(dialog.handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_TRUE(testing_support::WaitFor([&] { return windows() > boxes; }));
    }
    // The box's end closes the help window before the control is unloaded.
    EXPECT_TRUE(testing_support::WaitFor([&] { return windows() <= before; }));
}

TEST(HtmlHelp, RegisteredFileWithoutTheFunctionFallsBackToTheSystemControl)
{
    const char key[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
    testing_support::ClassesKey registered(key, testing_support::SystemFile("shlwapi.dll").c_str());
    win32::HtmlHelpControl help;
    EXPECT_TRUE(help.Load());
}

TEST_F(AboutBox, LinksOpenTheirAddressesUnderlinedInTheUnvisitedColour)
{
    EXPECT_EQ(dialog_.mailLink().target(), "mailto:ombrix@example.org");
    EXPECT_EQ(dialog_.webLink().target(), "https://example.org/ombrix/");
    for (int id : {IDC_MAIL_LINK, IDC_WEB_LINK}) {
        Asked asked = Ask(dialog_.Item(id));
        EXPECT_EQ(asked.brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
        EXPECT_EQ(asked.text, CStaticLink::kUnvisited);
        EXPECT_TRUE(asked.font.lfUnderline);
        // The control draws with the same underlined font.
        EXPECT_EQ(SendMessageA(dialog_.Item(id), WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(id == IDC_MAIL_LINK ? dialog_.mailLink().font()
                                                                : dialog_.webLink().font()));
    }
}

// Whether the help viewer of this system carries the hand cursor the links copy.
bool HelpViewerHasHand()
{
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, MAX_PATH);
    std::string viewer = std::string(folder) + "\\winhlp32.exe";
    win32::UniqueModule module(LoadLibraryExA(viewer.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    return module && LoadCursorA(module.get(), MAKEINTRESOURCEA(106));
}

TEST_F(AboutBox, LinksTakeTheMouseAndShowTheHelpViewersHandOrTheSystemsOwn)
{
    HWND link = dialog_.Item(IDC_WEB_LINK);
    EXPECT_EQ(SendMessageA(link, WM_NCHITTEST, 0, 0), HTCLIENT);
    HCURSOR hand = CStaticLink::HandCursor();
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(hand == LoadCursorA(nullptr, IDC_HAND), !HelpViewerHasHand());
    SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand);
}

TEST_F(AboutBox, LinksMailWithoutMailProgramKeepsTheUnvisitedColour)
{
    auto noMailer = ProtocolCommand("mailto", "");
    Click(dialog_.Item(IDC_MAIL_LINK));
    EXPECT_EQ(dialog_.mailLink().color(), CStaticLink::kUnvisited);
    EXPECT_FALSE(dialog_.mailLink().Open());
    EXPECT_EQ(Ask(dialog_.Item(IDC_MAIL_LINK)).text, CStaticLink::kUnvisited);
}

TEST_F(AboutBox, LinksOpenedTargetTurnsVisitedAndStaysSo)
{
    testing_support::TempFolder folder("ombrix_link");
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BinaryFolder() + "recorder.exe", folder / "opener.exe"));
    auto opener = ProtocolCommand("ombrixlinktest", "\"" + folder / "opener.exe" + "\" \"%1\"");

    HWND control = CreateWindowExA(0, "STATIC", "ombrixlinktest:first", WS_CHILD | WS_VISIBLE, 0, 0, 100, 10,
                                   dialog_.handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    CStaticLink link;  // no target: the control's text is opened
    ASSERT_TRUE(link.Attach(control));

    Click(control);
    EXPECT_EQ(link.target(), "ombrixlinktest:first");
    EXPECT_EQ(link.color(), CStaticLink::kVisited);
    ASSERT_EQ(testing_support::WaitForRecorderLog(folder / "opener.log").size(), 1u);
    Click(control);
    EXPECT_EQ(link.color(), CStaticLink::kVisited);
    auto starts = testing_support::WaitForRecorderLog(folder / "opener.log", 2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_NE(starts[1].commandLine.find("ombrixlinktest:first"), std::string::npos);

    EXPECT_EQ(Ask(control).text, CStaticLink::kVisited);

    // A press that ends outside the link opens nothing.
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(300, 2));
    Sleep(300);
    EXPECT_EQ(testing_support::ReadRecorderLog(folder / "opener.log").size(), 2u);
}

}  // namespace
