#pragma once
// The day timer: wakes the main window shortly before and just after
// midnight so that calendar icons show the right day. One per process,
// running while at least one calendar icon exists.
#include <windows.h>

namespace resident {

constexpr UINT_PTR DAY_TIMER_ID = 1000;
constexpr int kSecondsPerDay = 86400;

// The time of day (seconds since local midnight) at which the timer started
// at `now` should fire: 23:59:00 while more than a quarter of an hour is
// left, 23:59:50 within it, one second after the coming midnight within the
// last two minutes.
int DayTimerTarget(int now);

// Seconds since local midnight, from GetLocalTime.
int SecondsSinceMidnight();

class DayTimer {
public:
    explicit DayTimer(HWND window) : window_(window) {}
    ~DayTimer() { Stop(); }
    DayTimer(const DayTimer&) = delete;
    DayTimer& operator=(const DayTimer&) = delete;

    // Does nothing while the timer runs. A failure is shown in a box and
    // the icons go on without a timer.
    void Start();
    void Stop();
    bool running() const { return running_; }
    int target() const { return target_; }

private:
    HWND window_;
    bool running_ = false;
    int target_ = 0;
};

}  // namespace resident
