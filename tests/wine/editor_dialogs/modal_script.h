#pragma once
// Drives a modal dialog from inside its own loop: steps run in order from a
// thread timer; a step that returns false is tried again at the next tick
// (it waits for a window, say). Steps post what they do, so that a dialog
// they open runs its own loop while the script goes on. When a step has
// waited 10 s the script gives up and closes the thread's windows, so a
// broken dialog fails its test instead of hanging it.
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace dialogs_test {

class ModalScript {
public:
    using Step = std::function<bool()>;

    ModalScript& Then(Step step);
    // Call before the modal run; the timer goes with the object.
    void Start();
    // Starts, runs the modal loop and checks that every step ran.
    INT_PTR Run(const std::function<INT_PTR()>& modal);
    ~ModalScript();

    // Every step ran.
    bool finished() const { return next_ == steps_.size(); }

private:
    void RunNext();
    void GiveUp();

    std::vector<Step> steps_;
    size_t next_ = 0;
    DWORD stepStart_ = 0;
    UINT_PTR timer_ = 0;
    bool busy_ = false;
    int stuckAt_ = -1;
};

// A visible top-level dialog (#32770) of this program that is not skip,
// whose caption is caption (any when empty); null when none.
HWND FindDialog(const std::string& caption = "", HWND skip = nullptr);
// The text of a message box and its OK pressed; empty while there is none.
std::string AnswerMessageBox(HWND owner);
// A posted click on a button, as a mouse click would end.
void Click(HWND button);
std::string ItemText(HWND dialog, int id);
inline HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

}  // namespace dialogs_test
