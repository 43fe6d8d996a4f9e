// One open registry key, closed when the object goes; every answer is a plain success flag.
#pragma once

#include <windows.h>

#include <string>

class CRegistryKey {
public:
    CRegistryKey() = default;
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    BOOL Open(HKEY hRoot, const std::string& subKey);
    // Opens the key, creating it and its missing parents first.
    BOOL Create(HKEY hRoot, const std::string& subKey);
    void Close();
    // Reads a REG_SZ value; the text ends at its first zero byte, stored or not.
    BOOL QueryString(std::string& text, const std::string& valueName);
    // Stores text as REG_SZ with its terminating zero.
    BOOL SetString(const std::string& text, const std::string& valueName);
    // Deletes a sub-key of the open key; "" deletes the open key itself.
    BOOL DeleteKey(const std::string& subKey);

    HKEY m_hKey = nullptr;
};
