#include <gtest/gtest.h>

#include <vector>
#include "resident/tray/day_timer.h"

using resident::DayTimerTarget;

namespace {
constexpr int At(int hour, int minute, int second)
{
    return hour * 3600 + minute * 60 + second;
}

// The times of day at which a timer started at `start` fires, re-armed at
// each firing as the day tick does.
std::vector<int> Firings(int start, int count)
{
    std::vector<int> times;
    int now = start;
    for (int i = 0; i < count; ++i) {
        int target = DayTimerTarget(now);
        EXPECT_GT(target, now);
        now = target % resident::kSecondsPerDay;
        times.push_back(now);
    }
    return times;
}
}  // namespace

TEST(DayTimer, StartedAt235800OrAtNoonFiresAroundMidnightEachDay)
{
    EXPECT_EQ(Firings(At(23, 58, 0), 3), (std::vector<int>{At(23, 59, 50), At(0, 0, 1), At(23, 59, 0)}));
    EXPECT_EQ(Firings(At(12, 0, 0), 3), (std::vector<int>{At(23, 59, 0), At(0, 0, 1), At(23, 59, 0)}));
}

TEST(DayTimer, TargetsAtTheBoundaries)
{
    EXPECT_EQ(DayTimerTarget(At(0, 0, 0)), At(23, 59, 0));
    EXPECT_EQ(DayTimerTarget(At(23, 44, 0)), At(23, 59, 0));    // 16 whole minutes left
    EXPECT_EQ(DayTimerTarget(At(23, 44, 1)), At(23, 59, 50));   // 15 whole minutes left
    EXPECT_EQ(DayTimerTarget(At(23, 57, 59)), At(23, 59, 50));  // 2 whole minutes left
    EXPECT_EQ(DayTimerTarget(At(23, 58, 1)), 86401);            // 1 whole minute left
    // A timer that fires a little early is aimed at midnight again.
    EXPECT_EQ(DayTimerTarget(At(23, 59, 59)), 86401);
}
