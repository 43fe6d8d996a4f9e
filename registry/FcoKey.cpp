// The FCO key choice by probe keys, and the Windows version classification.
#include "registry/FcoKey.h"

#include "framework/Strings.h"
#include "registry/RegistryKey.h"
#include "res/resource.h"

std::string FindFcoKey()
{
    std::string key;
    {
        CRegistryKey probe;
        if (probe.Open(HKEY_LOCAL_MACHINE, LoadResString(IDS_PROBE_KEY_PALVANE)))
            key = LoadResString(IDS_FCO_KEY_PALVANE);
    }
    {
        // The second product wins when a machine carries both.
        CRegistryKey probe;
        if (probe.Open(HKEY_LOCAL_MACHINE, LoadResString(IDS_PROBE_KEY_VELMORA)))
            key = LoadResString(IDS_FCO_KEY_VELMORA);
    }
    if (key.empty())
        key = LoadResString(IDS_FCO_KEY_VELMORA);
    return key;
}

int ClassifyOsVersion(unsigned long major, unsigned long minor, unsigned long platformId)
{
    if (major == 4 && minor == 0 && platformId == VER_PLATFORM_WIN32_WINDOWS)
        return 1;
    if (major == 4 && minor == 0 && platformId == VER_PLATFORM_WIN32_NT)
        return 5;
    if (major == 4 && minor == 10)
        return 2;
    if (major == 4 && minor == 90)
        return 3;
    if (major == 3 && minor == 51)
        return 4;
    if (major == 5 && minor == 0)
        return 6;
    if (major == 5 && minor == 1)
        return 7;
    if (major == 5 && minor == 2)
        return 8;
    return 0;
}

int GetOsVersion()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(&info))
        return 0;
    return ClassifyOsVersion(info.dwMajorVersion, info.dwMinorVersion, info.dwPlatformId);
}
