// A control whose messages the program handles itself, and its standard tooltips.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

// Takes over a dialog's control through the common controls' subclassing, with
// the object passed as the reference data. The subclass is removed when the
// control is destroyed.
class CSubclassedWnd : public CWnd {
public:
    BOOL SubclassWindow(HWND hWnd) override;

    // Shows standard tooltips whose tools OnToolHitTest names under the cursor.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    HWND GetToolTipWindow() const { return m_hWndToolTip; }

    // A message for the control's own procedure, handed to it directly rather than through the
    // window manager and this object's procedure: for the queries the program makes of its own
    // controls by the thousand. Before the control is taken over, an ordinary SendMessage.
    LRESULT SendToControl(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
    // Names the tool under point (client coordinates) and fills ti; -1 for none.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* ti) const { return -1; }

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void RelayToToolTip(UINT msg, WPARAM wParam, LPARAM lParam);
    void DestroyToolTip();

    WNDPROC m_pfnSuper = nullptr;
    HWND m_hWndToolTip = nullptr;
    INT_PTR m_nLastToolId = -1;
};
