// Whole-file reading and writing through an owned handle.
#include "framework/File.h"

#include <new>

BOOL CFile::OpenForReading(const std::string& path)
{
    Close();
    m_hFile = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

BOOL CFile::OpenAndHold(const std::string& path)
{
    Close();
    m_hFile = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

BOOL CFile::ReadAll(std::string& bytes)
{
    bytes.clear();
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    // GetFileSize, not GetFileSizeEx: the program must load on every Windows the machines run.
    DWORD sizeHigh = 0;
    const DWORD size = ::GetFileSize(m_hFile, &sizeHigh);
    if (size == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        return FALSE;
    // One read, as the file reports its length; larger files than that are not catalogues.
    if (sizeHigh != 0 || size > 0x7FFFFFFF)
        return FALSE;
    try {
        bytes.resize((std::string::size_type)size);
    } catch (const std::bad_alloc&) {
        bytes.clear();
        return FALSE;
    }
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(m_hFile, &bytes[0], (DWORD)bytes.size(), &read, nullptr)) {
        bytes.clear();
        return FALSE;
    }
    bytes.resize(read);
    return TRUE;
}

BOOL CFile::CreateNew(const std::string& path)
{
    Close();
    // Deleting a hard link removes that name only; the file it shared stays as it was.
    ::DeleteFileA(path.c_str());
    m_hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

BOOL CFile::Write(const std::string& bytes)
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD written = 0;
    return ::WriteFile(m_hFile, bytes.data(), (DWORD)bytes.size(), &written, nullptr) && written == bytes.size();
}

void CFile::Close()
{
    if (m_hFile != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}
