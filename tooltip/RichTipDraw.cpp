// CRichTipWnd's text: the description stand-in, callback texts, measuring and painting.
#include "tooltip/RichTipWnd.h"
#include "tooltip/TipText.h"

#include "framework/Strings.h"

#include <algorithm>
#include <cstring>
#include <cstdint>

namespace {
// A string-table text asked for by a callback answer is read into this many characters.
const int kResourceTextCapacity = 512;

COLORREF ResolveColor(COLORREF color, int nSystemColor)
{
    return color == kTipSystemColor ? ::GetSysColor(nSystemColor) : color;
}

// What the owner put into a TTN_NEEDTEXTA answer, never read beyond what it may hold.
std::string AnswerText(const TOOLTIPTEXTA& answer)
{
    if (answer.hinst) {
        char buffer[kResourceTextCapacity];
        const int length =
            ::LoadStringA(answer.hinst, (UINT)(UINT_PTR)answer.lpszText, buffer, kResourceTextCapacity);
        return length > 0 ? TextOfBuffer(buffer, std::min(length, kResourceTextCapacity - 1), SystemLeadBytes())
                          : std::string();
    }
    if (answer.lpszText == LPSTR_TEXTCALLBACKA)
        return std::string();
    // Owners often point lpszText at szText; then szText's size still bounds it.
    const std::uintptr_t text = (std::uintptr_t)answer.lpszText;
    const std::uintptr_t buffer = (std::uintptr_t)answer.szText;
    if (text >= buffer && text < buffer + sizeof(answer.szText))
        return TextOfBuffer(answer.lpszText, sizeof(answer.szText) - (text - buffer), SystemLeadBytes());
    if (answer.lpszText)
        return answer.lpszText;
    return TextOfBuffer(answer.szText, sizeof(answer.szText), SystemLeadBytes());
}
} // namespace

// The owner keeps its description in the form "Description: ...", so the tool
// keeps the prefix and takes the description current at each show.
void CRichTipWnd::ApplyDescriptionRule(CRichTipTool* pTool)
{
    if (pTool && IsDescriptionText(pTool->strText))
        pTool->strText = m_strDescription;
}

std::string CRichTipWnd::GetToolText(const CRichTipTool* pTool)
{
    if (!pTool)
        return std::string();
    std::string text;
    if (pTool->lpszText == LPSTR_TEXTCALLBACKA) {
        TOOLTIPTEXTA answer = {};
        answer.hdr.hwndFrom = m_hWnd;
        answer.hdr.idFrom = (UINT_PTR)::GetDlgCtrlID(pTool->hwnd);
        answer.hdr.code = TTN_NEEDTEXTA;
        ::SendMessageA(m_pOwner->m_hWnd, WM_NOTIFY, pTool->uId, (LPARAM)&answer);
        text = AnswerText(answer);
    } else {
        text = pTool->strText;
    }
    m_bTwoPages = HasTwoPages(text, SystemLeadBytes());
    return PageText(text, m_nPage, SystemLeadBytes());
}

CRect CRichTipWnd::CalcTipSize(const std::string& text, int nMaxWidth)
{
    CClientDC dc(nullptr);
    CSelectObject font(dc, m_font);
    int width = nMaxWidth;
    if (width == 0) {
        for (const std::string& line : MeasuredLines(text, SystemLeadBytes())) {
            SIZE extent = {};
            ::GetTextExtentPoint32A(dc, line.c_str(), (int)line.size(), &extent);
            width = std::max(width, (int)extent.cx);
        }
    }
    width = std::max(width, 0);
    // DT_CALCRECT wraps at the width, then narrows to the widest wrapped line.
    CRect rect(0, 0, width, 0);
    ::DrawTextA(dc, text.c_str(), (int)text.size(), &rect, m_uDrawFormat | DT_CALCRECT);
    rect.right += m_rcMargins.left + m_rcMargins.right;
    rect.bottom += m_rcMargins.top + m_rcMargins.bottom;
    return rect;
}

// Called for WM_PAINT.
void CRichTipWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const std::string text = GetToolText(m_pCurrentTool);
    if (text.empty())
        return;
    CRect rect = GetClientRect();
    CBrush background(ResolveColor(m_pCurrentTool->crBk, COLOR_INFOBK));
    // The class shares one DC among its windows: what is selected here must not outlive the paint.
    CSaveDC saved(dc);
    ::SelectObject(dc, m_font);
    ::SetTextColor(dc, ResolveColor(m_pCurrentTool->crText, COLOR_INFOTEXT));
    ::FillRect(dc, &rect, background);

    ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);

    ::SetBkMode(dc, TRANSPARENT);
    rect.left += m_rcMargins.left;
    rect.top += m_rcMargins.top;
    rect.right -= m_rcMargins.right;
    rect.bottom -= m_rcMargins.bottom;
    ::DrawTextA(dc, text.c_str(), (int)text.size(), &rect, m_uDrawFormat);
    if (!m_bTwoPages)
        return;

    // The page arrow fills the arrow room of the first line, inside the font's leading.
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    const int d = std::max(metrics.tmExternalLeading + metrics.tmInternalLeading, metrics.tmDescent);
    const int h = metrics.tmAveCharWidth / 2;
    SIZE room = {};
    ::GetTextExtentPoint32A(dc, kPageArrowRoom, (int)std::strlen(kPageArrowRoom), &room);
    if (room.cy % 2)
        room.cy -= 1;
    POINT arrow[4];
    if (m_nPage == 0) {
        arrow[0] = {rect.right - room.cx + h, rect.top + d};
        arrow[1] = {rect.right, rect.top + room.cy / 2};
        arrow[2] = {rect.right - room.cx + h, rect.top + room.cy - d};
    } else {
        arrow[0] = {rect.left + room.cx - h, rect.top + d};
        arrow[1] = {rect.left, rect.top + room.cy / 2};
        arrow[2] = {rect.left + room.cx - h, rect.top + room.cy - d};
    }
    arrow[3] = arrow[0];
    ::SelectObject(dc, ::GetStockObject(BLACK_BRUSH));
    ::Polygon(dc, arrow, 4);
}
