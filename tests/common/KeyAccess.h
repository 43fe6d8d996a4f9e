// Registry keys that refuse changes, as an administrator's protection leaves them, for both Windows tiers.
#pragma once

#include <string>

// Makes HKEY_LOCAL_MACHINE\path refuse every change of its values (a deny entry for everyone);
// the key can still be read and deleted.
bool DenyValueChanges(const std::string& path);
