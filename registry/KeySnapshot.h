// A key taken away to be replaced, kept in memory so that it can be put back as it was.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A restore's import replaces the FCO key: the key is kept until the import has begun, so that
// it can be put back should the import never start.
class CKeyTakenAway {
public:
    // Reads every value of root\path as stored (name, type, bytes), then deletes the key. FALSE,
    // with the key untouched, when it exists but cannot be read whole. A missing key is taken
    // away as it is: nothing.
    BOOL TakeAway(HKEY root, const std::string& path);
    // Writes the key back as it was taken away; a key that did not exist stays missing.
    BOOL PutBack() const;

private:
    struct StoredValue {
        std::string name;
        DWORD type;
        std::string data;
    };

    HKEY m_hRoot = nullptr;
    std::string m_strPath;
    bool m_bExisted = false;
    std::vector<StoredValue> m_values;
};
