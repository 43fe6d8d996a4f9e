// A key taken away to be replaced, kept in memory so that it can be put back as it was.
#include "registry/KeySnapshot.h"

#include "registry/RegistryKey.h"

BOOL CKeyTakenAway::TakeAway(HKEY root, const std::string& path)
{
    m_hRoot = root;
    m_strPath = path;
    m_values.clear();
    CRegistryKey key;
    m_bExisted = key.Open(root, path) != FALSE;
    if (!m_bExisted)
        return TRUE;
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
        m_values.push_back({std::string(name.data(), nameSize), type,
                            std::string(reinterpret_cast<const char*>(data.data()), dataSize)});
    }
    key.DeleteKey("");
    return TRUE;
}

BOOL CKeyTakenAway::PutBack() const
{
    if (!m_bExisted)
        return TRUE;
    CRegistryKey key;
    if (!key.Create(m_hRoot, m_strPath))
        return FALSE;
    BOOL written = TRUE;
    for (const StoredValue& value : m_values)
        if (::RegSetValueExA(key.m_hKey, value.name.c_str(), 0, value.type,
                             reinterpret_cast<const BYTE*>(value.data.data()), (DWORD)value.data.size()) !=
            ERROR_SUCCESS)
            written = FALSE;
    return written;
}
