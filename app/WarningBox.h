// The one look of the program's "Warning !!!" boxes.
#pragma once

#include <windows.h>

// Information icon, system-modal: every warning the engineer meets looks alike.
constexpr UINT kWarningStyle = MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL;
constexpr const char* kWarningCaption = "Warning !!!";
