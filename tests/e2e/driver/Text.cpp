// Conversions between the program's single-byte texts and the wide texts that cross processes.
#include "tests/e2e/driver/Text.h"

#include <windows.h>

namespace e2e {

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring wide(length, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), &wide[0], length);
    return wide;
}

std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text.data(), (int)text.size(), nullptr, 0,
                                             nullptr, nullptr);
    std::string narrow(length, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), (int)text.size(), &narrow[0], length, nullptr,
                          nullptr);
    return narrow;
}

std::string WithBareLineFeeds(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            result += text[i];
    return result;
}

} // namespace e2e
