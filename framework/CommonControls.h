// Which version of the common controls library draws the program's list and tips.
#pragma once

#include <windows.h>

// The version comctl32.dll reports through DllGetVersion. FALSE when it exports none, as the
// 4.00 of Windows 95 and NT 4.0 and the 4.70 of Internet Explorer 3 do.
BOOL GetCommonControlsVersion(DWORD& major, DWORD& minor);
