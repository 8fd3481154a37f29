// The MDI frame with its bars, the MDI child binding, the message loop's
// translation chain, the splitter and the docked bar, on real windows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <vector>
#include "win32/docked_bar.h"
#include "win32/mdi_child.h"
#include "win32/mdi_frame.h"
#include "win32/message_loop.h"
#include "win32/splitter.h"
#include "win32/status_bar.h"
#include "win32/tool_bar.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

class Child : public win32::MdiChild {
public:
    bool created = false;
    bool* gone = nullptr;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE)
            created = true;
        return DefaultProc(message, wParam, lParam);
    }
    void OnFinalMessage() override
    {
        if (gone)
            *gone = true;
    }
};

class Frame : public win32::MdiFrame {
public:
    win32::ToolBar toolBar;
    win32::StatusBar statusBar;
    win32::DockedBar bar;

    bool Create()
    {
        WNDCLASSEXA windowClass = {};
        windowClass.hInstance = Instance();
        windowClass.lpszClassName = "OmbrixTestFrame";
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        RegisterClass(windowClass);
        WNDCLASSEXA childClass = {};
        childClass.hInstance = Instance();
        childClass.lpszClassName = "OmbrixTestChild";
        win32::MdiChild::RegisterClass(childClass);
        return Window::Create(0, "OmbrixTestFrame", "frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              0, 0, 640, 480, nullptr, nullptr, Instance());
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE) {
            CreateClient(nullptr);
            toolBar.Create(handle(), Instance(), 128, 1);
            statusBar.Create(handle(), 2);
            bar.Create(handle(), "bar", 150, 3);
            bar.SetResized([this] { RecalcLayout(); });
            AddBar(toolBar);
            AddBar(statusBar);
            AddBar(bar);
            return 0;
        }
        return MdiFrame::OnMessage(message, wParam, lParam);
    }
};

// A window's edges in its parent's client coordinates: left, top, right, bottom.
std::vector<LONG> RectIn(HWND parent, HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

enum Edge { kLeft, kTop, kRight, kBottom };

class MdiTest : public ::testing::Test {
protected:
    // Hidden windows: a shown top-level window costs Wine two seconds here.
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create());
        frame.RecalcLayout();
    }
    Frame frame;
};

TEST_F(MdiTest, BarsTakeTheirEdgesAndTheClientTheRest)
{
    RECT area;
    GetClientRect(frame.handle(), &area);
    std::vector<LONG> tool = RectIn(frame.handle(), frame.toolBar.handle());
    std::vector<LONG> status = RectIn(frame.handle(), frame.statusBar.handle());
    EXPECT_EQ(tool[kTop], 0);
    EXPECT_GT(tool[kBottom], 15);
    EXPECT_EQ(status[kBottom], area.bottom);
    EXPECT_EQ(RectIn(frame.handle(), frame.bar.handle()),
              (std::vector<LONG>{0, tool[kBottom], 150, status[kTop]}));
    EXPECT_EQ(RectIn(frame.handle(), frame.client()),
              (std::vector<LONG>{150, tool[kBottom], area.right, status[kTop]}));

    // Dragging the bar's edge resizes it and the frame lays itself out again.
    HWND handle = frame.bar.handle();
    int edge = 150 - win32::DockedBar::kEdgeWidth / 2 - 1;
    SendMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(edge, 50));
    SendMessageA(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(edge + 60, 50));
    SendMessageA(handle, WM_LBUTTONUP, 0, MAKELPARAM(edge + 60, 50));
    SendMessageA(handle, WM_MOUSEMOVE, 0, MAKELPARAM(edge + 90, 50));
    EXPECT_EQ(frame.bar.width(), 210);
    EXPECT_EQ(RectIn(frame.handle(), frame.client())[kLeft], 210);
    // Content goes below the caption strip, clear of the edge.
    HWND content = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, handle, nullptr, Instance(),
                                   nullptr);
    frame.bar.SetContent(content);
    std::vector<LONG> inside = RectIn(handle, content);
    EXPECT_EQ(inside[kTop], frame.bar.CaptionHeight());
    EXPECT_EQ(inside[kRight], 210 - win32::DockedBar::kEdgeWidth);
}

TEST_F(MdiTest, ChildrenAreBoundThroughTheCreationDataAndGoThroughTheClient)
{
    bool gone = false;
    auto first = std::make_unique<Child>();
    first->gone = &gone;
    ASSERT_TRUE(first->Create(frame.client(), "OmbrixTestChild", "one"));
    EXPECT_TRUE(first->created);
    auto second = std::make_unique<Child>();
    ASSERT_TRUE(second->Create(frame.client(), "OmbrixTestChild", "two"));
    EXPECT_EQ(frame.ActiveChild(), second->handle());
    EXPECT_EQ(frame.Children().size(), 2u);

    first->Activate();
    EXPECT_EQ(frame.ActiveChild(), first->handle());
    // The child's default procedure is the MDI one: maximising works.
    SendMessageA(frame.client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first->handle()), 0);
    EXPECT_TRUE(IsZoomed(first->handle()));

    first->Destroy();
    EXPECT_TRUE(gone);
    EXPECT_EQ(first->handle(), nullptr);
    EXPECT_EQ(frame.ActiveChild(), second->handle());
    // Deleting the object destroys the window through the client.
    HWND handle = second->handle();
    second.reset();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(frame.ActiveChild(), nullptr);
}

TEST_F(MdiTest, ToolBarComesFromItsTableAndStatusBarHostsAProgressBar)
{
    EXPECT_EQ(frame.toolBar.commands(), (std::vector<int>{501, 502, 503}));
    HWND bar = frame.toolBar.handle();
    EXPECT_EQ(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0), 4);
    frame.toolBar.SetState(502, false, true);
    EXPECT_EQ(SendMessageA(bar, TB_GETSTATE, 502, 0), TBSTATE_CHECKED);
    frame.toolBar.SetState(502, true, false);
    EXPECT_EQ(SendMessageA(bar, TB_GETSTATE, 502, 0), TBSTATE_ENABLED);
    EXPECT_TRUE(win32::LoadToolBarTable(Instance(), 129).items.empty());
    EXPECT_TRUE(win32::LoadToolBarTable(Instance(), 130).items.empty());

    win32::StatusBar& status = frame.statusBar;
    status.ShowProgress("アイコンを準備中です...", 40);
    ASSERT_NE(status.progress(), nullptr);
    EXPECT_TRUE(GetWindowLongA(status.progress(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(SendMessageA(status.progress(), PBM_GETPOS, 0, 0), 40);
    EXPECT_EQ(status.text(), "アイコンを準備中です...");
    RECT pane;
    SendMessageA(status.handle(), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
    std::vector<LONG> progress = RectIn(status.handle(), status.progress());
    EXPECT_GT(progress[kLeft], pane.left + 20);  // right of the text
    EXPECT_LE(progress[kRight], pane.right);
    status.EndProgress();
    EXPECT_EQ(status.progress(), nullptr);
}

class Splitter : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                 Instance(), nullptr);
        ASSERT_TRUE(splitter.Create(parent, 7));
        MoveWindow(splitter.handle(), 0, 0, 400, 300, TRUE);
        left = Pane();
        right = Pane();
        splitter.SetPanes(left, right);
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND Pane()
    {
        return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, splitter.handle(), nullptr,
                               Instance(), nullptr);
    }
    HWND parent = nullptr;
    win32::Splitter splitter;
    HWND left = nullptr, right = nullptr;
};

TEST_F(Splitter, PanesSitSideBySideAndTheBarMoves)
{
    const LONG bar = win32::Splitter::kBarWidth;
    EXPECT_EQ(RectIn(splitter.handle(), left), (std::vector<LONG>{0, 0, 120, 300}));
    EXPECT_EQ(RectIn(splitter.handle(), right), (std::vector<LONG>{120 + bar, 0, 400, 300}));

    SendMessageA(splitter.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(121, 10));
    SendMessageA(splitter.handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(201, 10));
    SendMessageA(splitter.handle(), WM_LBUTTONUP, 0, MAKELPARAM(201, 10));
    EXPECT_EQ(splitter.leftWidth(), 200);
    EXPECT_EQ(RectIn(splitter.handle(), right)[kLeft], 200 + bar);
    // A click outside the bar drags nothing.
    SendMessageA(splitter.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 10));
    SendMessageA(splitter.handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 10));
    EXPECT_EQ(splitter.leftWidth(), 200);

    // Narrower than the left pane: the pane shrinks, and its width comes back.
    MoveWindow(splitter.handle(), 0, 0, 100, 300, TRUE);
    EXPECT_EQ(RectIn(splitter.handle(), left)[kRight], 100 - bar);
    MoveWindow(splitter.handle(), 0, 0, 400, 300, TRUE);
    EXPECT_EQ(RectIn(splitter.handle(), left)[kRight], 200);

    HWND replacement = Pane();
    EXPECT_EQ(splitter.ReplaceRight(replacement), right);
    EXPECT_EQ(RectIn(splitter.handle(), replacement)[kLeft], 200 + bar);
}

TEST(MessageLoop, EditControlsKeepTheirEditingKeysFromTheAccelerators)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                  Instance(), nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, window, nullptr, Instance(),
                                nullptr);
    HWND button = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 0, 30, 100, 20, window, nullptr,
                                  Instance(), nullptr);
    win32::MessageLoop loop;
    loop.SetAccelerators(window, LoadAcceleratorsA(Instance(), "ACCEL_TEST"));
    auto holding = [](BYTE modifier) {
        BYTE keys[256] = {};
        keys[modifier] = 0x80;
        SetKeyboardState(keys);
    };
    auto translated = [&](HWND focus, WPARAM key) {
        SetFocus(focus);
        MSG message = {focus, WM_KEYDOWN, key, 1};
        return loop.PreTranslate(message);
    };
    holding(VK_CONTROL);
    EXPECT_FALSE(translated(edit, 'C'));
    EXPECT_FALSE(translated(edit, 'Y')) << "redo would change the model under a field being typed";
    EXPECT_TRUE(translated(edit, 'S'));
    EXPECT_TRUE(translated(button, 'C'));
    holding(VK_SHIFT);
    for (WPARAM key : {VK_INSERT, VK_DELETE, VK_F5}) {
        MSG message = {edit, WM_KEYDOWN, key, 1};
        EXPECT_EQ(win32::IsEditControlKey(message, edit), key != VK_F5) << key;
    }
    holding(0);
    DestroyWindow(window);
}

TEST(MessageLoop, PumpRunsIdleWorkAndHandsQuitBackToTheOuterLoop)
{
    win32::MessageLoop loop;
    int idle = 0;
    loop.SetIdle([&] { ++idle; });
    EXPECT_TRUE(loop.Pump());
    EXPECT_EQ(idle, 1);
    PostQuitMessage(5);
    EXPECT_FALSE(loop.Pump());
    EXPECT_EQ(loop.Run(), 5);
}

}  // namespace
