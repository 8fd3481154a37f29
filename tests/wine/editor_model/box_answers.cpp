#include "box_answers.h"

#include "tests/support/test_support.h"

namespace editor_test {

namespace {

// The open-file dialog's file name box (a combo box in the newer dialog).
constexpr int kFileNameBox = 0x47C;
constexpr DWORD kWaitMs = 60000;

HWND FindShownDialog()
{
    for (HWND window : testing_support::WindowsOfProcess(GetCurrentProcessId(), "#32770")) {
        if (IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

template <typename Condition>
bool Poll(Condition condition)
{
    for (DWORD waited = 0; waited < kWaitMs; waited += 20) {
        if (condition())
            return true;
        Sleep(20);
    }
    return false;
}

}  // namespace

BoxAnswers::BoxAnswers(std::vector<Answer> answers)
    : watcher_([this, answers] {
          Watch(answers);
          done_ = true;
      })
{
}

BoxAnswers::~BoxAnswers()
{
    Finish();
}

std::vector<std::string> BoxAnswers::Finish()
{
    if (watcher_.joinable())
        watcher_.join();
    return texts_;
}

void BoxAnswers::Watch(std::vector<Answer> answers)
{
    for (const Answer& answer : answers) {
        HWND box = nullptr;
        if (!Poll([&] { return (box = FindShownDialog()) != nullptr; }))
            return;
        HWND message = GetDlgItem(box, 0xFFFF);
        texts_.push_back(testing_support::WindowText(message ? message : box));
        if (!answer.fileName.empty())
            SetDlgItemTextA(box, kFileNameBox, answer.fileName.c_str());
        PostMessageA(box, WM_COMMAND, answer.button, 0);
        Poll([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    }
}

}  // namespace editor_test
