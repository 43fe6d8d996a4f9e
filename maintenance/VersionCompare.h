// Which copy of the program and which description file is newer: version texts and dd/mm/yy dates.
#pragma once

#include "framework/LeadBytes.h"

#include <string>

// Field 0 x 1000 + field 1 x 100 + field 2 x 10 + field 3 of a FileVersion text such as
// "3, 1, 4, 2" (3142). Fields are separated by commas and read as atol reads them after leading
// white space; a missing field is 0. Different versions can give the same number
// ("1, 10, 0, 0" and "2, 0, 0, 0"), so this does not decide which is newer.
int VersionToNumber(const std::string& version);

// True when own is a later version than installed: the four fields compared in order, the first
// that differs deciding; a missing or unreadable field is 0. Equal versions are not newer.
bool IsVersionNewer(const std::string& own, const std::string& installed);

// True when date first is later than date second. Both are day/month/year, each field read as
// atoi reads it, a missing field 0; years are compared as the numbers written, so "06" is
// earlier than "99". Equal dates are not later.
bool IsDateNewer(const std::string& first, const std::string& second);

// The date of a description file from its content: the first line up to its line feed (a
// carriage return before it stays), leading blanks and tabs removed, up to the first '@'.
// The content ends at a zero byte, as it does for the text reader of the file, and is text of the
// code page whose lead bytes are leads.
std::string FileDateOfText(const std::string& bytes, const LeadBytes& leads = kSingleByte);
