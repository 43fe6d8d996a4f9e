// CRichTipWnd following the cursor: hit tests, the relayed messages, the two timers and placement.
#include "tooltip/RichTipWnd.h"

namespace {
// WM_KEYLAST as the systems the program runs on define it; newer headers end the
// range at WM_UNICHAR.
const UINT kLastKeyMessage = 0x0108;

CPoint ScreenToClientPoint(HWND hWnd, POINT pt)
{
    ::ScreenToClient(hWnd, &pt);
    return CPoint(pt.x, pt.y);
}

CPoint CursorPos()
{
    POINT pt = {};
    ::GetCursorPos(&pt);
    return CPoint(pt.x, pt.y);
}
} // namespace

// Hidden and disabled children count: a tool on one still shows where nothing visible covers it.
HWND CRichTipWnd::ChildFromPoint(CPoint pt) const
{
    const HWND hOwner = m_pOwner->m_hWnd;
    POINT screen = pt;
    ::ClientToScreen(hOwner, &screen);
    HWND hWnd = ::WindowFromPoint(screen);
    if (hWnd == hOwner)
        hWnd = ::ChildWindowFromPointEx(hOwner, pt, CWP_ALL);
    return hWnd && hWnd != hOwner && ::IsChild(hOwner, hWnd) ? hWnd : nullptr;
}

BOOL CRichTipWnd::HitTest(CWnd* pWnd, CPoint pt, RICHTIPINFO* pInfo) const
{
    return pWnd && m_pOwner ? HitTestWindow(pWnd->m_hWnd, pt, pInfo) : FALSE;
}

// Only the first tool of a window is ever tested.
CRichTipTool* CRichTipWnd::FirstToolOf(HWND hWnd) const
{
    for (const auto& tool : m_tools)
        if (tool->hwnd == hWnd || ::IsChild(tool->hwnd, hWnd))
            return tool.get();
    return nullptr;
}

BOOL CRichTipWnd::HitTestWindow(HWND hWnd, CPoint pt, RICHTIPINFO* pInfo) const
{
    const CRichTipTool* found = hWnd ? FirstToolOf(hWnd) : nullptr;
    if (!found)
        return FALSE;
    if (pInfo)
        CopyToolInfo(*found, pInfo);
    const HWND hUnder = ChildFromPoint(pt);
    if (hUnder != found->hwnd && !::IsChild(found->hwnd, hUnder))
        return FALSE;
    return ::PtInRect(&found->rect, pt);
}

// The window under pt is the one tested, so only the tool's rectangle is left to check.
CRichTipTool* CRichTipWnd::ToolFromPoint(CPoint pt) const
{
    const HWND hWnd = ChildFromPoint(pt);
    CRichTipTool* tool = hWnd ? FirstToolOf(hWnd) : nullptr;
    return tool && ::PtInRect(&tool->rect, pt) ? tool : nullptr;
}

BOOL CRichTipWnd::IsCursorInTool(const CRichTipTool* pTool) const
{
    if (!pTool)
        return FALSE;
    return HitTestWindow(pTool->hwnd, ScreenToClientPoint(m_pOwner->m_hWnd, CursorPos()), nullptr);
}

BOOL CRichTipWnd::IsCursorOverTip() const
{
    if (m_bHidden || !(::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE) || !IsWindow())
        return FALSE;
    return GetWindowRect().PtInRect(CursorPos());
}

void CRichTipWnd::ActivateTool(CRichTipTool* pTool)
{
    ::KillTimer(m_hWnd, kShowTimer);
    ::KillTimer(m_hWnd, kPollTimer);
    HideTip();
    m_bHidden = FALSE;
    m_pCurrentTool = pTool;
    ::SetTimer(m_hWnd, kShowTimer, m_nInitialDelay, nullptr);
}

// The timers run on; their next tick sees the tip hidden and stops.
void CRichTipWnd::HideTip()
{
    ShowWindow(SW_HIDE);
    m_bHidden = TRUE;
}

void CRichTipWnd::RelayEvent(MSG* pMsg)
{
    if (!pMsg || !m_pOwner || !m_hWnd)
        return;
    const UINT msg = pMsg->message;
    const CPoint pt = ScreenToClientPoint(m_pOwner->m_hWnd, pMsg->pt);
    switch (msg) {
    case WM_MOUSEMOVE: {
        CRichTipTool* tool = ToolFromPoint(pt);
        if (!tool && m_bHidden)
            m_pCurrentTool = nullptr;
        if (!tool || tool == m_pCurrentTool)
            return;
        // The cursor may cross other tools on its way onto the tip.
        if (m_pCurrentTool && IsCursorOverTip())
            return;
        ActivateTool(tool);
        return;
    }
    case WM_LBUTTONDOWN:
        if (!IsCursorOverTip())
            HideTip();
        ActivateTool(ToolFromPoint(pt));
        return;
    case WM_RBUTTONDOWN:
        // Also for the current tool: a right click asks for the tip again.
        ActivateTool(ToolFromPoint(pt));
        return;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        HideTip();
        return;
    default:
        if (msg >= WM_KEYFIRST && msg <= kLastKeyMessage)
            HideTip();
        return;
    }
}

// Called for each tick of the two timers.
void CRichTipWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (!m_pCurrentTool || m_bHidden) {
        ::KillTimer(m_hWnd, nIDEvent);
        HideTip();
        return;
    }
    if (nIDEvent == kShowTimer) {
        ::KillTimer(m_hWnd, kShowTimer);
        if (!IsCursorInTool(m_pCurrentTool))
            return;
        const CPoint cursor = CursorPos();
        ShowTip(CPoint(cursor.x + m_ptOffset.x, cursor.y + m_ptOffset.y), 0);
        m_nShownTime = 0;
        ::SetTimer(m_hWnd, kPollTimer, m_nPollInterval, nullptr);
    } else if (nIDEvent == kPollTimer) {
        m_nShownTime += m_nPollInterval;
        const CRichTipTool* tool = ToolFromPoint(ScreenToClientPoint(m_pOwner->m_hWnd, CursorPos()));
        if (tool && tool != m_pCurrentTool) {
            ::KillTimer(m_hWnd, kPollTimer);
            HideTip();
            return;
        }
        if ((IsCursorInTool(m_pCurrentTool) && m_nShownTime < m_nAutoPopTime) || IsCursorOverTip())
            return;
        ::KillTimer(m_hWnd, kPollTimer);
        HideTip();
    }
}

void CRichTipWnd::ShowTip(CPoint point, int nPage)
{
    if (!m_bActive || !m_pCurrentTool)
        return;
    m_nPage = nPage;
    ApplyDescriptionRule(m_pCurrentTool);
    const std::string text = GetToolText(m_pCurrentTool);
    if (text.empty())
        return;
    // The window carries the text it shows, for screen readers and other programs.
    ::SetWindowTextA(m_hWnd, text.c_str());
    const CRect size = CalcTipSize(text, m_pCurrentTool->nMaxWidth);
    const CRect tip = CalcTipPosition(point, m_pCurrentTool, size);
    ShowWindow(SW_HIDE);
    SetWindowPos(nullptr, tip.left, tip.top, tip.Width(), tip.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOCOPYBITS);
}

CRect CRichTipWnd::CalcTipPosition(CPoint point, const CRichTipTool* pTool, CRect sizeRect) const
{
    CRect tip = sizeRect;
    ::OffsetRect(&tip, point.x - tip.left, point.y - tip.top);
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    if (tip.right > screenWidth)
        ::OffsetRect(&tip, screenWidth - tip.right, 0);
    if (tip.left < 0)
        ::OffsetRect(&tip, -tip.left, 0);
    // Below the screen: directly above the tool's window, which the cursor is on.
    if (tip.bottom > screenHeight && pTool) {
        RECT window;
        ::GetWindowRect(pTool->hwnd, &window);
        const LONG height = tip.Height();
        tip.bottom = window.top;
        tip.top = tip.bottom - height;
    }
    return tip;
}

// Called for a click on the tip itself: the other page of a two-page text.
void CRichTipWnd::OnLButtonDown()
{
    // Read before the page switch: hiding a tip that holds the focus moves it.
    const bool bHoldsFocus = ::GetFocus() == m_hWnd;
    if (m_pCurrentTool && !m_bHidden && m_bTwoPages) {
        const CRect tip = GetWindowRect();
        ShowTip(CPoint(tip.left, tip.top), m_nPage == 0 ? 1 : 0);
    }
    // Only a tip that holds the focus gives it back: an older record would pull the
    // focus from wherever the user has put it since.
    if (bHoldsFocus)
        ::SetFocus(::IsWindow(m_hWndFocus) ? m_hWndFocus : m_pOwner->m_hWnd);
    m_hWndFocus = nullptr;
}
