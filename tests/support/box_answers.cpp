#include "tests/support/box_answers.h"

#include "tests/support/test_support.h"

namespace testing_support {

namespace {

// The open-file dialog's file name box (a combo box in the newer dialog).
constexpr int kFileNameBox = 0x47C;

HWND FindShownDialog()
{
    return WaitForWindow(GetCurrentProcessId(), "#32770", nullptr, true, 0);
}

}  // namespace

template <typename Condition>
bool BoxAnswers::Poll(Condition condition) const
{
    for (DWORD waited = 0; waited < kPatienceMs && !stop_; waited += 20) {
        if (condition())
            return true;
        Sleep(20);
    }
    return false;
}

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
    stop_ = true;
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
        texts_.push_back(WindowText(message ? message : box));
        if (!answer.fileName.empty())
            SetDlgItemTextA(box, kFileNameBox, answer.fileName.c_str());
        PostMessageA(box, WM_COMMAND, answer.button, 0);
        Poll([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    }
}

std::string AnswerBox(int button, const std::function<void()>& action)
{
    BoxAnswers answers({{button, ""}});
    action();
    std::vector<std::string> texts = answers.Finish();
    return texts.empty() ? "" : texts.front();
}

}  // namespace testing_support
