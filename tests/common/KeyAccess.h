// Registry keys for both Windows tiers: removed with all they hold, looked for, and made to refuse
// changes as an administrator's protection leaves them.
#pragma once

#include <windows.h>

#include <string>

// Removes root\path with all its sub-keys; TRUE when it is gone.
bool DeleteKeyTree(HKEY root, const std::string& path);
bool KeyExists(const std::string& path);

// Makes HKEY_LOCAL_MACHINE\path refuse every change of its values (a deny entry for everyone);
// the key can still be read and deleted.
bool DenyValueChanges(const std::string& path);
