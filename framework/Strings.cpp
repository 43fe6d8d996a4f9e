// printf formatting, string-table loading, the system's lead bytes and code-page conversion.
#include "framework/Strings.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {
LeadBytes ReadSystemLeadBytes()
{
    LeadBytes leads;
    for (int byte = 0; byte < 256; ++byte)
        if (::IsDBCSLeadByte((BYTE)byte))
            leads.Add((unsigned char)byte, (unsigned char)byte);
    return leads;
}
} // namespace

const LeadBytes& SystemLeadBytes()
{
    // Asked once: the system code page stays what it was when the program started.
    static const LeadBytes leads = ReadSystemLeadBytes();
    return leads;
}

std::string FormatString(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(length + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), length);
    }
    va_end(args);
    return text;
}

std::string LoadResString(UINT nID)
{
    // Strings in the table are short; grow once for the rare long one.
    for (int size = 512; size <= 65536; size *= 8) {
        std::vector<char> buffer(size);
        const int length = ::LoadStringA(::GetModuleHandleA(nullptr), nID, buffer.data(), size);
        if (length < size - 1)
            return std::string(buffer.data(), length > 0 ? length : 0);
    }
    return std::string();
}

std::wstring ToWide(UINT codePage, const std::string& text)
{
    const int length = text.empty() ? 0 : ::MultiByteToWideChar(codePage, 0, text.data(), (int)text.size(), nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(length, L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), (int)text.size(), &wide[0], length);
    return wide;
}

std::string FromWide(UINT codePage, const wchar_t* units, std::size_t count, BOOL* usedDefault)
{
    const int length =
        count == 0 ? 0 : ::WideCharToMultiByte(codePage, 0, units, (int)count, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string text(length, '\0');
    ::WideCharToMultiByte(codePage, 0, units, (int)count, &text[0], length, nullptr, usedDefault);
    return text;
}
