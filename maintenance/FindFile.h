// A directory search whose handle is closed with its owner.
#pragma once

#include <windows.h>

#include <string>

class CFindFile {
public:
    CFindFile() = default;
    ~CFindFile() { Close(); }
    CFindFile(const CFindFile&) = delete;
    CFindFile& operator=(const CFindFile&) = delete;

    // Starts a search for pattern (wildcards allowed); TRUE when something matched.
    BOOL FindFirst(const std::string& pattern);
    BOOL FindNext();
    void Close();

    std::string GetFileName() const { return m_data.cFileName; }
    DWORD GetAttributes() const { return m_data.dwFileAttributes; }
    FILETIME GetLastWriteTime() const { return m_data.ftLastWriteTime; }
    ULONGLONG GetFileSize() const { return (ULONGLONG)m_data.nFileSizeHigh << 32 | m_data.nFileSizeLow; }

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_data = {};
};
