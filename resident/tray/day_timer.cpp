#include "resident/tray/day_timer.h"

namespace resident {

int DayTimerTarget(int now)
{
    int minutesLeft = (kSecondsPerDay - now) / 60;
    if (minutesLeft > 15)
        return kSecondsPerDay - 60;
    if (minutesLeft > 1)
        return kSecondsPerDay - 10;
    return kSecondsPerDay + 1;
}

int SecondsSinceMidnight()
{
    SYSTEMTIME time;
    GetLocalTime(&time);
    return time.wHour * 3600 + time.wMinute * 60 + time.wSecond;
}

void DayTimer::Start()
{
    if (running_)
        return;
    // One reading for both: a second reading just after midnight would put
    // the target a whole day ahead.
    int now = SecondsSinceMidnight();
    target_ = DayTimerTarget(now);
    UINT delayMs = static_cast<UINT>(target_ - now) * 1000u;
    if (!SetTimer(window_, DAY_TIMER_ID, delayMs, nullptr)) {
        MessageBoxA(nullptr, "SetTimer failed", nullptr, MB_SYSTEMMODAL | MB_ICONHAND);
        return;
    }
    running_ = true;
}

void DayTimer::Stop()
{
    if (!running_)
        return;
    KillTimer(window_, DAY_TIMER_ID);
    running_ = false;
}

}  // namespace resident
