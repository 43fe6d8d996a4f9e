// FindFirstFile/FindNextFile behind an owner that always closes the search.
#include "maintenance/FindFile.h"

BOOL CFindFile::FindFirst(const std::string& pattern)
{
    Close();
    m_hFind = ::FindFirstFileA(pattern.c_str(), &m_data);
    return m_hFind != INVALID_HANDLE_VALUE;
}

BOOL CFindFile::FindNext()
{
    return m_hFind != INVALID_HANDLE_VALUE && ::FindNextFileA(m_hFind, &m_data);
}

void CFindFile::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE) {
        ::FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }
}
