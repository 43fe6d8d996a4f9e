// The standard tooltip control: created for a parent window, with tools named by their windows.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

// Owned by its parent and destroyed with it, like the other controls.
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // The tool is pWnd's whole window.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText);
};
