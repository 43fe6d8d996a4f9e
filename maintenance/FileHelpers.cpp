// The file tests and batch-file writing the maintenance commands share.
#include "maintenance/FileHelpers.h"

#include "framework/File.h"
#include "maintenance/FindFile.h"

#include <vector>

namespace {
std::wstring ToWide(UINT codePage, const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring wide(length > 0 ? length : 0, L'\0');
    if (length > 0)
        ::MultiByteToWideChar(codePage, 0, text.data(), (int)text.size(), &wide[0], length);
    return wide;
}

// The program's text in the OEM code page; FALSE when a character has no equivalent there. Going
// back and comparing also catches the characters Windows would map to a similar-looking one.
BOOL ToOemCodePage(const std::string& text, std::string& oem)
{
    const std::wstring wide = ToWide(CP_ACP, text);
    oem.clear();
    if (wide.empty())
        return text.empty();
    const int length = ::WideCharToMultiByte(CP_OEMCP, 0, wide.data(), (int)wide.size(), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return FALSE;
    std::vector<char> buffer(length);
    BOOL usedDefault = FALSE;
    ::WideCharToMultiByte(CP_OEMCP, 0, wide.data(), (int)wide.size(), buffer.data(), length, nullptr, &usedDefault);
    oem.assign(buffer.data(), length);
    return !usedDefault && ToWide(CP_OEMCP, oem) == wide;
}
} // namespace

BOOL FileExists(const std::string& path)
{
    CFindFile search;
    return search.FindFirst(path);
}

BOOL FileHasContent(const std::string& path)
{
    CFindFile search;
    return search.FindFirst(path) && !(search.GetAttributes() & FILE_ATTRIBUTE_DIRECTORY) && !search.IsEmptyFile();
}

BOOL WriteBatchFile(const std::string& path, const std::string& text)
{
    std::string bytes;
    if (!ToOemCodePage(text, bytes))
        return FALSE;
    CFile file;
    if (!file.CreateForWriting(path))
        return FALSE;
    const BOOL written = file.Write(bytes);
    file.Close();
    return written;
}
