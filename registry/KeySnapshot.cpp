// Every value of one key as stored, read so that the key can be put back as it was.
#include "registry/KeySnapshot.h"

#include "registry/RegistryKey.h"

BOOL ReadKeyValues(HKEY root, const std::string& path, std::vector<StoredValue>& values)
{
    values.clear();
    CRegistryKey key;
    if (!key.Open(root, path))
        return FALSE;
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (::RegQueryInfoKeyA(key.m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName,
                           &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return FALSE;
    std::vector<char> name(longestName + 1);
    std::vector<BYTE> data(longestData + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD nameSize = (DWORD)name.size();
        DWORD dataSize = (DWORD)data.size();
        DWORD type = 0;
        if (::RegEnumValueA(key.m_hKey, i, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize) !=
            ERROR_SUCCESS)
            return FALSE;
        values.push_back({std::string(name.data(), nameSize), type,
                          std::string(reinterpret_cast<const char*>(data.data()), dataSize)});
    }
    return TRUE;
}

BOOL WriteKeyValues(HKEY root, const std::string& path, const std::vector<StoredValue>& values)
{
    CRegistryKey key;
    if (!key.Create(root, path))
        return FALSE;
    BOOL written = TRUE;
    for (const StoredValue& value : values)
        if (::RegSetValueExA(key.m_hKey, value.name.c_str(), 0, value.type,
                             reinterpret_cast<const BYTE*>(value.data.data()), (DWORD)value.data.size()) !=
            ERROR_SUCCESS)
            written = FALSE;
    return written;
}

BOOL CKeyTakenAway::TakeAway(HKEY root, const std::string& path)
{
    m_hRoot = root;
    m_strPath = path;
    CRegistryKey key;
    m_bExisted = key.Open(root, path) != FALSE;
    if (!m_bExisted)
        return TRUE;
    if (!ReadKeyValues(root, path, m_values))
        return FALSE;
    key.DeleteKey("");
    return TRUE;
}

BOOL CKeyTakenAway::PutBack() const
{
    return !m_bExisted || WriteKeyValues(m_hRoot, m_strPath, m_values);
}
