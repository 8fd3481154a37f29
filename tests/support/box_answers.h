#pragma once
// Answers the boxes and dialogs that the code under test shows: a watcher
// thread finds each one among this process's windows, keeps its text and
// presses the answer's button.
#include <windows.h>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

struct Answer {
    int button;            // IDOK, IDYES, ...
    std::string fileName;  // typed into an open dialog before the button
};

class BoxAnswers {
public:
    explicit BoxAnswers(std::vector<Answer> answers);
    ~BoxAnswers();
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;

    // Stops waiting for boxes that have not come and waits for the watcher;
    // the texts of the boxes it answered (a dialog's title when it has no
    // message text).
    std::vector<std::string> Finish();
    // Every answer has been given (or the watcher gave up).
    bool Done() const { return done_; }

private:
    void Watch(std::vector<Answer> answers);
    template <typename Condition>
    bool Poll(Condition condition) const;

    std::vector<std::string> texts_;
    std::atomic<bool> done_{false};
    std::atomic<bool> stop_{false};
    std::thread watcher_;
};

// Runs action on this thread and answers the one box it shows with button;
// the box's text, empty when action ended without one.
std::string AnswerBox(int button, const std::function<void()>& action);

}  // namespace testing_support
