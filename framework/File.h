// A file handle owned for the time a file is read or written, closed with its owner.
#pragma once

#include <windows.h>

#include <string>

class CFile {
public:
    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens an existing file for reading; others may read and write it meanwhile.
    BOOL OpenForReading(const std::string& path);
    // Opens an existing file for reading and holds it: while it is open others may read it, but
    // nobody can write, rename or delete it.
    BOOL OpenAndHold(const std::string& path);
    // Reads the whole file; FALSE (and no bytes) when it cannot be read or held in memory.
    BOOL ReadAll(std::string& bytes);
    // Makes the file anew for writing: whatever had that name is deleted first, and a file that
    // is there all the same is not opened. Opening an existing file would write through to
    // whatever it is (a hard link to another file) and keep its owner and access rights. Others
    // may read it meanwhile.
    BOOL CreateNew(const std::string& path);
    // Writes bytes as they are; TRUE only when every byte was written.
    BOOL Write(const std::string& bytes);
    void Close();
    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
