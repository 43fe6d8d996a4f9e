// HKEY_LOCAL_MACHINE of the shared Wine prefix as the tests see it: set up, read back, remove.
#pragma once

#include "tests/common/KeyAccess.h"

#include <map>
#include <string>

namespace e2e {

// Value name → data. A value that is not REG_SZ reads as "[type N] " followed by its raw bytes,
// so that it can never compare equal to a string value.
using RegistryValues = std::map<std::string, std::string>;

// Creates the key (and its parents) when needed.
bool HklmSetString(const std::string& path, const std::string& name, const std::string& data);
// A value of any type with exactly these bytes (a string without its terminating zero, say).
bool HklmSetRaw(const std::string& path, const std::string& name, unsigned long type, const std::string& bytes);
// Empty when the key does not exist.
RegistryValues HklmValues(const std::string& path);

} // namespace e2e
