// Formatting and string-table text for the program's std::string text.
#pragma once

#include "framework/LeadBytes.h"

#include <windows.h>

#include <cstddef>
#include <string>

// printf-style formatting into a string of any length.
std::string FormatString(const char* format, ...);

// The text of string-table entry nID of this module; empty when it has none.
std::string LoadResString(UINT nID);

// The lead bytes of the system code page, the one of the program's single-byte text.
const LeadBytes& SystemLeadBytes();

// Single-byte text of codePage as UTF-16, and UTF-16 as single-byte text of codePage; empty when
// the text cannot be converted. usedDefault, when given, tells whether a character had no
// equivalent in codePage and was replaced.
std::wstring ToWide(UINT codePage, const std::string& text);
std::string FromWide(UINT codePage, const wchar_t* units, std::size_t count, BOOL* usedDefault = nullptr);
