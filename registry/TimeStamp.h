// Start-up dates: today's date for FCO values and the time stamp that names backup files.
#pragma once

#include <ctime>
#include <string>

struct StartupDates
{
    std::string today;      // dd/mm/yy, the date written into FCO values
    std::string timeStamp;  // dd-mm-yy  hh-mm-ss-AM on a 12-hour clock; safe inside a file name
};

// Both dates for one broken-down local time, as localtime() fills it.
StartupDates FormatStartupDates(const std::tm& local);

// Reads the clock once; sets today and returns the time stamp. Both are empty if the clock
// cannot be converted to local time.
std::string GetTimeStamp(std::string& today);
