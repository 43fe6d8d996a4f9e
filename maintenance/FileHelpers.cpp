// The file tests and batch-file writing the maintenance commands share.
#include "maintenance/FileHelpers.h"

#include "framework/File.h"
#include "framework/Strings.h"
#include "maintenance/FindFile.h"

namespace {
// The program's text in the OEM code page; FALSE when a character has no equivalent there. Going
// back and comparing also catches the characters Windows would map to a similar-looking one.
BOOL ToOemCodePage(const std::string& text, std::string& oem)
{
    const std::wstring wide = ToWide(CP_ACP, text);
    oem.clear();
    if (wide.empty())
        return text.empty();
    BOOL usedDefault = FALSE;
    oem = FromWide(CP_OEMCP, wide.data(), wide.size(), &usedDefault);
    return !oem.empty() && !usedDefault && ToWide(CP_OEMCP, oem) == wide;
}
} // namespace

BOOL FileExists(const std::string& path)
{
    CFindFile search;
    return search.FindFirst(path);
}

BOOL FileHasContent(const std::string& path)
{
    return FileSize(path) > 0;
}

LONGLONG FileSize(const std::string& path)
{
    CFindFile search;
    if (!search.FindFirst(path) || (search.GetAttributes() & FILE_ATTRIBUTE_DIRECTORY))
        return -1;
    return (LONGLONG)search.GetFileSize();
}

BOOL CHeldBatchFile::WriteAndHold(const std::string& path, const std::string& text)
{
    m_hold.Close();
    std::string bytes;
    if (!ToOemCodePage(text, bytes))
        return FALSE;
    {
        CFile file;
        if (!file.CreateNew(path) || !file.Write(bytes))
            return FALSE;
    }
    return HoldIfItHolds(path, bytes);
}

BOOL CHeldBatchFile::HoldIfItHolds(const std::string& path, const std::string& bytes)
{
    m_strPath = path;
    std::string held;
    if (m_hold.OpenAndHold(path) && m_hold.ReadAll(held) && held == bytes)
        return TRUE;
    m_hold.Close();
    return FALSE;
}
