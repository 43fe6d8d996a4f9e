// A key read value by value as stored: taken away to be replaced and put back as it was, or looked
// at while another program writes it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct StoredValue {
    std::string name;
    DWORD type;
    std::string data;
};

enum class KeyRead {
    Missing,
    Whole,
    Unreadable,  // it exists, but not every value could be read
};

// Every value of root\path as stored (name, type, bytes), in the system's order.
KeyRead ReadStoredValues(HKEY root, const std::string& path, std::vector<StoredValue>& values);

// What root\path holds now, as one text that differs whenever a value's name, type or data does.
// FALSE when the key is missing or cannot be read whole.
BOOL LookAtKey(HKEY root, const std::string& path, std::string& state);

// A restore's import replaces the FCO key: the key is kept until the import is known to have
// written it, so that it can be put back should the import not start or write nothing.
class CKeyTakenAway {
public:
    // Reads every value of root\path as stored, then deletes the key. FALSE, with the key
    // untouched, when it exists but cannot be read whole. A missing key is taken away as it is:
    // nothing.
    BOOL TakeAway(HKEY root, const std::string& path);
    // Writes the key back as it was taken away; a key that did not exist stays missing.
    BOOL PutBack() const;

private:
    HKEY m_hRoot = nullptr;
    std::string m_strPath;
    bool m_bExisted = false;
    std::vector<StoredValue> m_values;
};
