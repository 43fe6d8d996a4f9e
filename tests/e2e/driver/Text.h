// Conversions between the program's single-byte texts and the wide texts that cross processes.
#pragma once

#include <string>

namespace e2e {

std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
// A program's text-mode output with each carriage return before a line feed dropped.
std::string WithBareLineFeeds(const std::string& text);

} // namespace e2e
