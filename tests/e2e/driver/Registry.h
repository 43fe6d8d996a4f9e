// HKEY_LOCAL_MACHINE of the shared Wine prefix as the tests see it: set up, read back, remove.
#pragma once

#include <map>
#include <string>

namespace e2e {

// Value name → data. A value that is not REG_SZ reads as "[type N] " followed by its raw bytes,
// so that it can never compare equal to a string value.
using RegistryValues = std::map<std::string, std::string>;

bool HklmKeyExists(const std::string& path);
// Creates the key (and its parents) when needed.
bool HklmSetString(const std::string& path, const std::string& name, const std::string& data);
bool HklmSetDword(const std::string& path, const std::string& name, unsigned long data);
// A value of any type with exactly these bytes (a string without its terminating zero, say).
bool HklmSetRaw(const std::string& path, const std::string& name, unsigned long type, const std::string& bytes);
bool HklmCreateKey(const std::string& path);
// Empty when the key does not exist.
RegistryValues HklmValues(const std::string& path);
// Removes the key with all its sub-keys; TRUE when it is gone.
bool HklmDeleteTree(const std::string& path);

} // namespace e2e
