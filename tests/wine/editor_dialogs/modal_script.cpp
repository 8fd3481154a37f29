#include "modal_script.h"

#include <gtest/gtest.h>
#include "tests/support/test_support.h"

namespace dialogs_test {

namespace {

constexpr UINT kTickMs = 50;
constexpr DWORD kStepPatienceMs = 10000;

BOOL CALLBACK CloseWindow(HWND window, LPARAM)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

ModalScript& ModalScript::Then(Step step)
{
    steps_.push_back(std::move(step));
    return *this;
}

void ModalScript::Start()
{
    stepStart_ = GetTickCount();
    timer_ = testing_support::Every(kTickMs, [this] {
        if (!busy_)
            RunNext();
    });
}

INT_PTR ModalScript::Run(const std::function<INT_PTR()>& modal)
{
    Start();
    INT_PTR result = modal();
    EXPECT_TRUE(finished()) << "stuck at step " << stuckAt_;
    return result;
}

ModalScript::~ModalScript()
{
    if (timer_)
        testing_support::Cancel(timer_);
}

void ModalScript::RunNext()
{
    if (finished())
        return;
    busy_ = true;
    if (steps_[next_]()) {
        ++next_;
        stepStart_ = GetTickCount();
    } else if (GetTickCount() - stepStart_ > kStepPatienceMs) {
        GiveUp();
    }
    busy_ = false;
}

void ModalScript::GiveUp()
{
    stuckAt_ = static_cast<int>(next_);
    next_ = steps_.size() + 1;
    EnumThreadWindows(GetCurrentThreadId(), CloseWindow, 0);
}

HWND FindDialog(const std::string& caption, HWND skip)
{
    for (HWND window : testing_support::WindowsOfProcess(GetCurrentProcessId(), "#32770")) {
        bool named = caption.empty() || testing_support::WindowText(window) == caption;
        if (window != skip && named && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

std::string AnswerMessageBox(HWND owner)
{
    HWND box = FindDialog("", owner);
    if (!box || GetWindow(box, GW_OWNER) != owner)
        return "";
    std::string text = testing_support::MessageBoxText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return text;
}

void Click(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

std::string ItemText(HWND dialog, int id)
{
    return testing_support::WindowText(GetDlgItem(dialog, id));
}

}  // namespace dialogs_test
