// Registry fixtures for the Windows tests: keys made for a test and removed after it.
#pragma once

#include "tests/common/KeyAccess.h"

#include <windows.h>

#include <string>
#include <vector>

// A key under HKEY_LOCAL_MACHINE that exists for the life of the object.
class ScopedTestKey {
public:
    explicit ScopedTestKey(const std::string& path);
    ~ScopedTestKey();
    ScopedTestKey(const ScopedTestKey&) = delete;
    ScopedTestKey& operator=(const ScopedTestKey&) = delete;

    const std::string& Path() const { return m_path; }
    void SetString(const std::string& name, const std::string& data) const;
    // Raw value bytes of any type, for values the program did not write itself.
    void SetRaw(const std::string& name, DWORD type, const void* data, DWORD size) const;

private:
    std::string m_path;
};

struct RegistryValue {
    std::string name;
    DWORD type;
    std::string data;  // raw bytes as stored
};

// Every value of HKLM\path sorted by name; empty when the key is missing.
std::vector<RegistryValue> ReadAllValues(const std::string& path);

// Clears the two products' keys (probe keys and FCO keys) before and after a
// test, so that every test starts from a machine without them.
class ProductKeysGuard {
public:
    ProductKeysGuard();
    ~ProductKeysGuard();
    ProductKeysGuard(const ProductKeysGuard&) = delete;
    ProductKeysGuard& operator=(const ProductKeysGuard&) = delete;
};
