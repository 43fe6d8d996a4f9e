// The standard tooltip control: created for a parent window, with tools named by their windows.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

// The size every TOOLINFO handed to a tooltip carries. The program uses the common controls
// before version 6 (it has no manifest asking for more), and they refuse the larger structure
// the headers declare for Windows XP: the tool would silently never be added.
const UINT kToolInfoSize = TTTOOLINFOA_V1_SIZE;

// Owned by its parent and destroyed with it, like the other controls.
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // The tool is pWnd's whole window.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText);
};
