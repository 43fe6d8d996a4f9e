// A key read value by value as stored: taken away to be replaced and put back as it was, or looked
// at while another program writes it.
#include "registry/KeySnapshot.h"

#include "registry/RegistryKey.h"

KeyRead ReadStoredValues(HKEY root, const std::string& path, std::vector<StoredValue>& values)
{
    values.clear();
    CRegistryKey key;
    if (!key.Open(root, path))
        return KeyRead::Missing;
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (::RegQueryInfoKeyA(key.m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName,
                           &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return KeyRead::Unreadable;
    std::vector<char> name(longestName + 1);
    std::vector<BYTE> data(longestData + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD nameSize = (DWORD)name.size();
        DWORD dataSize = (DWORD)data.size();
        DWORD type = 0;
        if (::RegEnumValueA(key.m_hKey, i, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize) !=
            ERROR_SUCCESS)
            return KeyRead::Unreadable;
        values.push_back({std::string(name.data(), nameSize), type,
                          std::string(reinterpret_cast<const char*>(data.data()), dataSize)});
    }
    return KeyRead::Whole;
}

BOOL LookAtKey(HKEY root, const std::string& path, std::string& state)
{
    std::vector<StoredValue> values;
    state.clear();
    if (ReadStoredValues(root, path, values) != KeyRead::Whole)
        return FALSE;
    // Lengths first, so that no name or data can pass for the boundary between two others.
    for (const StoredValue& value : values)
        state += std::to_string(value.name.size()) + ":" + std::to_string(value.type) + ":" +
                 std::to_string(value.data.size()) + ":" + value.name + value.data;
    return TRUE;
}

BOOL CKeyTakenAway::TakeAway(HKEY root, const std::string& path)
{
    m_hRoot = root;
    m_strPath = path;
    const KeyRead read = ReadStoredValues(root, path, m_values);
    m_bExisted = read != KeyRead::Missing;
    if (read == KeyRead::Unreadable)
        return FALSE;
    CRegistryKey key;
    if (m_bExisted && key.Open(root, path))
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
