// Start-up dates: today's date for FCO values and the time stamp that names backup files.
#include "registry/TimeStamp.h"

#include <cstdio>

namespace
{
const char kWhiteSpace[] = " \t\r\n\v\f";

std::string Trim(const std::string& text)
{
    const std::string::size_type first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return std::string();
    const std::string::size_type last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

// Two-digit day, month and year joined by separator: what strftime gives for "%d/%m/%y",
// formatted by hand so that no C library can reject the fields or apply a locale.
std::string FormatDate(const std::tm& local, char separator)
{
    const int year = ((local.tm_year + 1900) % 100 + 100) % 100;
    char text[64];
    std::snprintf(text, sizeof text, "%02d%c%02d%c%02d",
                  local.tm_mday, separator, local.tm_mon + 1, separator, year);
    return text;
}
}  // namespace

StartupDates FormatStartupDates(const std::tm& local)
{
    const char* const suffix = local.tm_hour > 11 ? "PM" : "AM";
    int hour = local.tm_hour;
    if (hour > 12)
        hour -= 12;
    if (hour == 0)
        hour = 12;

    char clock[64];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", hour, local.tm_min, local.tm_sec);

    // The stamp becomes part of a file name, where a colon is not allowed.
    std::string stamp = FormatDate(local, '-') + "  " + clock + "-" + suffix;
    for (char& c : stamp)
        if (c == ':')
            c = '-';

    StartupDates dates;
    dates.today = Trim(FormatDate(local, '/'));
    dates.timeStamp = Trim(stamp);
    return dates;
}

std::string GetTimeStamp(std::string& today)
{
    const std::time_t now = std::time(nullptr);
    const std::tm* const local = std::localtime(&now);
    if (local == nullptr)
    {
        today.clear();
        return std::string();
    }
    const StartupDates dates = FormatStartupDates(*local);
    today = dates.today;
    return dates.timeStamp;
}
