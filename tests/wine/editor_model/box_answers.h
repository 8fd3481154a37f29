#pragma once
// Answers the boxes and dialogs that the code under test shows on this
// thread: a watcher thread finds each one among this process's windows,
// keeps its text and presses the answer's button.
#include <windows.h>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace editor_test {

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

    // Waits for the watcher; the texts of the boxes it answered (a
    // dialog's title when it has no message text).
    std::vector<std::string> Finish();
    // Every answer has been given (or the watcher gave up).
    bool Done() const { return done_; }

private:
    void Watch(std::vector<Answer> answers);

    std::vector<std::string> texts_;
    std::atomic<bool> done_{false};
    std::thread watcher_;
};

}  // namespace editor_test
