// Subclassing of dialog controls and the tooltip relay for hit-tested tools.
#include "framework/SubclassedWnd.h"

#include "framework/ToolTipCtrl.h"

namespace {
bool IsMouseMessage(UINT msg)
{
    return msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP ||
           msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP || msg == WM_MBUTTONDOWN ||
           msg == WM_MBUTTONUP;
}
} // namespace

BOOL CSubclassedWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_pfnSuper)
        return FALSE;
    // The object rides in the control's user data: comctl32's subclass table would be looked up
    // through window properties on every message, which under Wine is a server round trip.
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)this);
    m_pfnSuper = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)SubclassProc);
    if (!m_pfnSuper) {
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        return FALSE;
    }
    return CWnd::SubclassWindow(hWnd);
}

LRESULT CALLBACK CSubclassedWnd::SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CSubclassedWnd* self = reinterpret_cast<CSubclassedWnd*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    const WNDPROC super = self->m_pfnSuper;
    if (msg == WM_NCDESTROY) {
        self->DestroyToolTip();
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)super);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        self->m_pfnSuper = nullptr;
        self->m_hWnd = nullptr;
        return ::CallWindowProcA(super, hWnd, msg, wParam, lParam);
    }
    try {
        if (self->m_hWndToolTip && IsMouseMessage(msg))
            self->RelayToToolTip(msg, wParam, lParam);
        return self->WindowProc(msg, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the window manager.
        return ::CallWindowProcA(super, hWnd, msg, wParam, lParam);
    }
}

LRESULT CSubclassedWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Default(msg, wParam, lParam);
}

LRESULT CSubclassedWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcA(m_pfnSuper, m_hWnd, msg, wParam, lParam);
}

BOOL CSubclassedWnd::EnableToolTips(BOOL bEnable)
{
    if (!bEnable) {
        DestroyToolTip();
        return TRUE;
    }
    if (m_hWndToolTip)
        return TRUE;
    m_hWndToolTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                      WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
    m_nLastToolId = -1;
    return m_hWndToolTip != nullptr;
}

// The tool under the cursor changes from cell to cell, so the one registered tool
// is replaced whenever the hit test names another.
void CSubclassedWnd::RelayToToolTip(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    TOOLINFOA ti = {};
    ti.cbSize = kToolInfoSize;
    const INT_PTR id = OnToolHitTest(point, &ti);
    if (id != m_nLastToolId) {
        if (m_nLastToolId != -1) {
            TOOLINFOA old = {};
            old.cbSize = kToolInfoSize;
            old.hwnd = m_hWnd;
            old.uId = (UINT_PTR)m_nLastToolId;
            ::SendMessageA(m_hWndToolTip, TTM_DELTOOLA, 0, (LPARAM)&old);
        }
        if (id != -1)
            ::SendMessageA(m_hWndToolTip, TTM_ADDTOOLA, 0, (LPARAM)&ti);
        m_nLastToolId = id;
    }
    MSG relayed = {m_hWnd, msg, wParam, lParam, (DWORD)::GetMessageTime(), {}};
    ::GetCursorPos(&relayed.pt);
    ::SendMessageA(m_hWndToolTip, TTM_RELAYEVENT, 0, (LPARAM)&relayed);
}

void CSubclassedWnd::DestroyToolTip()
{
    if (m_hWndToolTip)
        ::DestroyWindow(m_hWndToolTip);
    m_hWndToolTip = nullptr;
    m_nLastToolId = -1;
}

LRESULT CSubclassedWnd::SendToControl(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    if (!m_pfnSuper)
        return SendMessage(msg, wParam, lParam);
    return ::CallWindowProcA(m_pfnSuper, m_hWnd, msg, wParam, lParam);
}
