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

// A key taken away to be replaced (a restore's import), kept in memory until the replacement
// has begun, so that it can be put back should the replacement never start.
class CKeyTakenAway {
public:
    // Reads every value of root\path, then deletes the key. FALSE, with the key untouched, when
    // it exists but cannot be read whole. A missing key is taken away as it is: nothing.
    BOOL TakeAway(HKEY root, const std::string& path);
    // Writes the key back as it was taken away; a key that did not exist stays missing.
    BOOL PutBack() const;

private:
    HKEY m_hRoot = nullptr;
    std::string m_strPath;
    bool m_bExisted = false;
    std::vector<StoredValue> m_values;
};
