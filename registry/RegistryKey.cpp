// Open, create, read, write and delete through one held registry key.
#include "registry/RegistryKey.h"

#include <vector>

BOOL CRegistryKey::Open(HKEY hRoot, const std::string& subKey)
{
    if (!hRoot)
        return FALSE;
    Close();
    return ::RegOpenKeyA(hRoot, subKey.c_str(), &m_hKey) == ERROR_SUCCESS;
}

BOOL CRegistryKey::Create(HKEY hRoot, const std::string& subKey)
{
    if (!hRoot)
        return FALSE;
    Close();
    return ::RegCreateKeyA(hRoot, subKey.c_str(), &m_hKey) == ERROR_SUCCESS;
}

void CRegistryKey::Close()
{
    if (m_hKey) {
        ::RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
}

BOOL CRegistryKey::QueryString(std::string& text, const std::string& valueName)
{
    if (!m_hKey)
        return FALSE;
    text.clear();
    // Dates and names fit the first try; each call is a round trip to the registry, so the size is
    // asked for only when the value is longer. One spare byte: a value stored without its zero
    // still reads as a terminated text.
    std::vector<char> buffer(64, '\0');
    DWORD type = 0;
    DWORD size = (DWORD)buffer.size() - 1;
    LONG result = ::RegQueryValueExA(m_hKey, valueName.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (result == ERROR_MORE_DATA && type == REG_SZ) {
        buffer.assign(size + 1, '\0');
        result = ::RegQueryValueExA(m_hKey, valueName.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(buffer.data()), &size);
    }
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return FALSE;
    DWORD length = 0;
    while (length < size && buffer[length] != '\0')
        ++length;
    text.assign(buffer.data(), length);
    return TRUE;
}

BOOL CRegistryKey::SetString(const std::string& text, const std::string& valueName)
{
    if (!m_hKey)
        return FALSE;
    return ::RegSetValueExA(m_hKey, valueName.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            (DWORD)text.size() + 1) == ERROR_SUCCESS;
}

BOOL CRegistryKey::DeleteKey(const std::string& subKey)
{
    return ::RegDeleteKeyA(m_hKey, subKey.c_str()) == ERROR_SUCCESS;
}
