// The standard tooltip control's creation and tool registration.
#include "framework/ToolTipCtrl.h"

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    assert(m_hWnd == nullptr);
    m_hWnd = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    return m_hWnd != nullptr;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText)
{
    if (!m_hWnd || !pWnd || !pWnd->m_hWnd)
        return FALSE;
    TOOLINFOA ti = {};
    ti.cbSize = kToolInfoSize;
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = ::GetParent(pWnd->m_hWnd);
    ti.uId = (UINT_PTR)pWnd->m_hWnd;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}
