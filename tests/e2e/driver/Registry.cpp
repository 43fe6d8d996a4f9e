// HKEY_LOCAL_MACHINE of the shared Wine prefix as the tests see it: set up, read back, remove.
#include "tests/e2e/driver/Registry.h"

#include <windows.h>

#include <vector>

namespace e2e {

static bool SetValue(const std::string& path, const std::string& name, DWORD type, const void* data,
                     DWORD size)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result =
        ::RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool HklmSetString(const std::string& path, const std::string& name, const std::string& data)
{
    return SetValue(path, name, REG_SZ, data.c_str(), (DWORD)data.size() + 1);
}

bool HklmSetRaw(const std::string& path, const std::string& name, unsigned long type, const std::string& bytes)
{
    return SetValue(path, name, type, bytes.data(), (DWORD)bytes.size());
}

RegistryValues HklmValues(const std::string& path)
{
    RegistryValues values;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD nameLength = sizeof(name);
        DWORD type = 0;
        std::vector<BYTE> data(65536);
        DWORD dataLength = (DWORD)data.size();
        const LONG result = ::RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data.data(),
                                            &dataLength);
        if (result != ERROR_SUCCESS)
            break;
        std::string text(reinterpret_cast<const char*>(data.data()), dataLength);
        if (type == REG_SZ) {
            // A stored terminating zero is not part of the text.
            const size_t zero = text.find('\0');
            if (zero != std::string::npos)
                text.resize(zero);
        } else {
            text = "[type " + std::to_string(type) + "] " + text;
        }
        values[std::string(name, nameLength)] = text;
    }
    ::RegCloseKey(key);
    return values;
}

} // namespace e2e
