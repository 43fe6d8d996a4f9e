// Registry fixtures for the Windows tests.
#include "tests/win/support/TestRegistry.h"

#include <algorithm>

namespace {
const char* const kProductRoots[] = {"SOFTWARE\\Palvane", "SOFTWARE\\Velmora"};
}

ScopedTestKey::ScopedTestKey(const std::string& path) : m_path(path)
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, m_path);
    HKEY key;
    if (::RegCreateKeyA(HKEY_LOCAL_MACHINE, m_path.c_str(), &key) == ERROR_SUCCESS)
        ::RegCloseKey(key);
}

ScopedTestKey::~ScopedTestKey()
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, m_path);
}

void ScopedTestKey::SetString(const std::string& name, const std::string& data) const
{
    SetRaw(name, REG_SZ, data.c_str(), (DWORD)data.size() + 1);
}

void ScopedTestKey::SetRaw(const std::string& name, DWORD type, const void* data, DWORD size) const
{
    HKEY key;
    if (::RegCreateKeyA(HKEY_LOCAL_MACHINE, m_path.c_str(), &key) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
}

std::vector<RegistryValue> ReadAllValues(const std::string& path)
{
    std::vector<RegistryValue> values;
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    DWORD maxName = 0, maxData = 0;
    ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                       &maxData, nullptr, nullptr);
    std::vector<char> name(maxName + 2);
    std::vector<BYTE> data(maxData + 2);
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = (DWORD)name.size(), dataSize = (DWORD)data.size(), type = 0;
        if (::RegEnumValueA(key, i, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize) !=
            ERROR_SUCCESS)
            break;
        values.push_back({std::string(name.data(), nameSize), type,
                          std::string(reinterpret_cast<char*>(data.data()), dataSize)});
    }
    ::RegCloseKey(key);
    std::sort(values.begin(), values.end(),
              [](const RegistryValue& a, const RegistryValue& b) { return a.name < b.name; });
    return values;
}

// Tests run in the project's own prefix, which holds no product keys of its own;
// clearing them before and after each test keeps tests independent.
ProductKeysGuard::ProductKeysGuard()
{
    for (const char* root : kProductRoots)
        DeleteKeyTree(HKEY_LOCAL_MACHINE, root);
}

ProductKeysGuard::~ProductKeysGuard()
{
    for (const char* root : kProductRoots)
        DeleteKeyTree(HKEY_LOCAL_MACHINE, root);
}
