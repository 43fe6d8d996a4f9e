// Which FCO key this machine uses, and which Windows it runs.
#pragma once

#include <string>

// The FCO key below HKEY_LOCAL_MACHINE, chosen by which product keys exist.
std::string FindFcoKey();

// The running Windows: 1 Windows 95, 2 98, 3 Me, 4 NT 3.51, 5 NT 4.0,
// 6 2000, 7 XP, 8 Server 2003, 0 anything else.
int GetOsVersion();

// The classification for a given version triple, as GetOsVersion applies it.
int ClassifyOsVersion(unsigned long major, unsigned long minor, unsigned long platformId);
