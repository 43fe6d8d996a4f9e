// Every value of one key as stored, read so that the key can be put back as it was.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct StoredValue {
    std::string name;
    DWORD type;
    std::string data;  // the stored bytes, as the single-byte functions return them
};

// The values of root\path; FALSE when the key cannot be opened or a value cannot be read.
BOOL ReadKeyValues(HKEY root, const std::string& path, std::vector<StoredValue>& values);

// Creates root\path if needed and stores every value as it was read; FALSE when one is refused.
BOOL WriteKeyValues(HKEY root, const std::string& path, const std::vector<StoredValue>& values);
