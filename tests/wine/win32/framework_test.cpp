// The window, subclass and dialog thunks: the object sees its messages,
// is detached when the window goes, and no exception escapes to Windows.
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>
#include "win32/dialog.h"
#include "win32/unique_handle.h"
#include "win32/window.h"

namespace {

const char kClass[] = "OmbrixFrameworkTest";

class RecordingWindow : public win32::Window {
public:
    std::vector<UINT> seen;
    bool finalSeen = false;
    bool throwOnUser = false;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        if (message == WM_USER + 1) {
            if (throwOnUser)
                throw std::runtime_error("handler failed");
            return 42;
        }
        return DefaultProc(message, wParam, lParam);
    }
    void OnFinalMessage() override { finalSeen = true; }
};

TEST(Window, BindsAtCreationKeepsExceptionsAndDetachesAtDestruction)
{
    WNDCLASSEXA windowClass = {};
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClass;
    ASSERT_NE(win32::Window::RegisterClass(windowClass), 0);
    RecordingWindow window;
    ASSERT_TRUE(window.Create(0, kClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr)));
    HWND handle = window.handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(window.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(SendMessageA(handle, WM_USER + 1, 0, 0), 42);
    // An exception in a handler does not reach Windows.
    window.throwOnUser = true;
    EXPECT_EQ(SendMessageA(handle, WM_USER + 1, 0, 0), 0);
    EXPECT_TRUE(IsWindow(handle));

    DestroyWindow(handle);
    EXPECT_TRUE(window.finalSeen);
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_FALSE(IsWindow(handle));
    // Destroying the object destroys its window.
    {
        RecordingWindow owned;
        ASSERT_TRUE(owned.Create(0, kClass, "", 0, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr)));
        handle = owned.handle();
    }
    EXPECT_FALSE(IsWindow(handle));
}

class UpperCaseEdit : public win32::Subclass {
protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CHAR && wParam >= 'a' && wParam <= 'z')
            wParam -= 'a' - 'A';
        return DefaultProc(message, wParam, lParam);
    }
};

TEST(Subclass, SeesMessagesFirstUntilDetached)
{
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    UpperCaseEdit subclass;
    ASSERT_TRUE(subclass.Attach(edit));
    SendMessageA(edit, WM_CHAR, 'a', 0);
    subclass.Detach();
    SendMessageA(edit, WM_CHAR, 'b', 0);
    char text[16] = "";
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "Ab");
    DestroyWindow(edit);
}

class NameDialog : public win32::Dialog {
public:
    std::string name = "initial";
    bool initSeen = false;

protected:
    bool OnInit() override
    {
        initSeen = true;
        SetDlgItemTextA(handle(), 101, name.c_str());
        // Answer from inside the modal loop, as a user would.
        PostMessageA(handle(), WM_COMMAND, IDOK, 0);
        return true;
    }
    void OnOK() override
    {
        char text[64];
        GetDlgItemTextA(handle(), 101, text, sizeof text);
        name = std::string(text) + "!";
        End(7);
    }
};

TEST(Dialog, ModalRunsHandlersAndReturnsEndValueAndAMissingTemplateFails)
{
    NameDialog dialog;
    EXPECT_EQ(dialog.DoModal(GetModuleHandleA(nullptr), 100, nullptr), 7);
    EXPECT_TRUE(dialog.initSeen);
    EXPECT_EQ(dialog.name, "initial!");
    EXPECT_EQ(dialog.handle(), nullptr);
    NameDialog missing;
    EXPECT_EQ(missing.DoModal(GetModuleHandleA(nullptr), 999, nullptr), -1);
    EXPECT_FALSE(missing.initSeen);
}

// A control that answers for itself, as the version box's links do, is the
// about test's.
TEST(Dialog, ModelessGivesTheDialogsUsualColoursAndGoesWithItsOwner)
{
    HWND handle;
    {
        win32::Dialog dialog;
        ASSERT_TRUE(dialog.CreateModeless(GetModuleHandleA(nullptr), 100, nullptr));
        handle = dialog.handle();
        HWND label = dialog.Item(102);
        win32::WindowDc dc(label);
        LRESULT brush = SendMessageA(handle, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                                     reinterpret_cast<LPARAM>(label));
        EXPECT_NE(brush, 0);
        EXPECT_NE(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    }
    EXPECT_FALSE(IsWindow(handle));
}

}  // namespace
