// Which version of the common controls library draws the program's list and tips.
#include "framework/CommonControls.h"

#include <shlwapi.h>

BOOL GetCommonControlsVersion(DWORD& major, DWORD& minor)
{
    major = minor = 0;
    const HMODULE comctl = ::LoadLibraryA("comctl32.dll");
    if (!comctl)
        return FALSE;
    const DLLGETVERSIONPROC getVersion =
        reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void (*)()>(::GetProcAddress(comctl, "DllGetVersion")));
    DLLVERSIONINFO info = {};
    info.cbSize = sizeof(info);
    const BOOL known = getVersion && SUCCEEDED(getVersion(&info));
    if (known) {
        major = info.dwMajorVersion;
        minor = info.dwMinorVersion;
    }
    ::FreeLibrary(comctl);
    return known;
}
