// Unit tests of the start-up dates: today's date and the 12-hour time stamp.
#include "registry/TimeStamp.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
std::tm At(int hour, int minute, int second)
{
    std::tm local;
    std::memset(&local, 0, sizeof local);
    local.tm_year = 106;  // 2006
    local.tm_mon = 2;     // March
    local.tm_mday = 14;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    return local;
}
}  // namespace

TEST(FormatStartupDates, MorningStampAndToday)
{
    const StartupDates dates = FormatStartupDates(At(9, 5, 12));
    EXPECT_EQ("14/03/06", dates.today);
    EXPECT_EQ("14-03-06  09-05-12-AM", dates.timeStamp);
}

TEST(FormatStartupDates, TwelveHourClockAroundMidnightAndNoon)
{
    EXPECT_EQ("14-03-06  12-30-00-AM", FormatStartupDates(At(0, 30, 0)).timeStamp);
    EXPECT_EQ("14-03-06  11-59-59-AM", FormatStartupDates(At(11, 59, 59)).timeStamp);
    EXPECT_EQ("14-03-06  12-30-00-PM", FormatStartupDates(At(12, 30, 0)).timeStamp);
    EXPECT_EQ("14-03-06  01-05-07-PM", FormatStartupDates(At(13, 5, 7)).timeStamp);
    EXPECT_EQ("14-03-06  11-00-00-PM", FormatStartupDates(At(23, 0, 0)).timeStamp);
}

TEST(GetTimeStamp, AgreesWithTheClock)
{
    std::string today = "unset";
    const std::time_t before = std::time(nullptr);
    const std::string stamp = GetTimeStamp(today);
    const std::time_t after = std::time(nullptr);

    // Compare with the dates of both ends of the call, in case the clock passes a second.
    const StartupDates atBefore = FormatStartupDates(*std::localtime(&before));
    const StartupDates atAfter = FormatStartupDates(*std::localtime(&after));
    EXPECT_TRUE(today == atBefore.today || today == atAfter.today) << today;
    EXPECT_TRUE(stamp == atBefore.timeStamp || stamp == atAfter.timeStamp) << stamp;
}
