// Formatting and string-table text for the program's std::string text.
#pragma once

#include <windows.h>

#include <string>

// printf-style formatting into a string of any length.
std::string FormatString(const char* format, ...);

// The text of string-table entry nID of this module; empty when it has none.
std::string LoadResString(UINT nID);
