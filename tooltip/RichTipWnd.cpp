// CRichTipWnd's window, message map, tool table, defaults and font.
#include "tooltip/RichTipWnd.h"

#include <cstring>
#include <new>

namespace {
// The NONCLIENTMETRICSA of Windows before Vista; later Windows accept it too, and
// the larger one would make SystemParametersInfo fail on the older systems.
const UINT kClassicNonClientMetricsSize = 340;
static_assert(sizeof(NONCLIENTMETRICSA) >= kClassicNonClientMetricsSize, "metrics buffer too small");

bool SameFont(const LOGFONTA& a, const LOGFONTA& b)
{
    return a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic && a.lfHeight == b.lfHeight &&
           a.lfCharSet == b.lfCharSet && std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

// A rectangle between a window's client coordinates and the screen's, through its two corners
// (ClientToScreen or ScreenToClient).
RECT MapCorners(HWND hWnd, RECT rect, BOOL(WINAPI* map)(HWND, LPPOINT))
{
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    map(hWnd, &corners[0]);
    map(hWnd, &corners[1]);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

// Every tool still on the old default of a field follows the new one.
template <typename T>
void ReplaceDefault(const std::vector<std::unique_ptr<CRichTipTool>>& tools, T CRichTipTool::*field, T& current,
                    T value)
{
    for (const auto& tool : tools)
        if ((*tool).*field == current)
            (*tool).*field = value;
    current = value;
}
} // namespace

CRichTipWnd::CRichTipWnd() = default;

// The window goes first, so that no message of its destruction finds the tools gone.
CRichTipWnd::~CRichTipWnd()
{
    DestroyWindow();
    m_pCurrentTool = nullptr;
    m_tools.clear();
}

BOOL CRichTipWnd::Create(CWnd* pOwner)
{
    // Every position the tip works with is relative to its owner.
    if (!pOwner || !pOwner->IsWindow() || m_hWnd)
        return FALSE;
    m_pOwner = pOwner;
    const std::string className =
        RegisterWndClass(CS_SAVEBITS | CS_CLASSDC, ::LoadCursorA(nullptr, IDC_ARROW));
    // An owned popup, not a child: it may stand outside the owner and above other windows.
    if (!CreateEx(WS_EX_TOPMOST, className, "", WS_POPUP, 0, 0, 10, 10, pOwner->m_hWnd))
        return FALSE;
    SetTipFont(GetSystemTipFont(), FALSE);
    return TRUE;
}

BOOL CRichTipWnd::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT nIDTool)
{
    if (!pWnd || !pWnd->m_hWnd || !m_pOwner)
        return FALSE;
    std::unique_ptr<CRichTipTool> tool(new (std::nothrow) CRichTipTool);
    if (!tool)
        return FALSE;
    tool->hwnd = pWnd->m_hWnd;
    tool->uId = nIDTool;
    if (lpszText == LPSTR_TEXTCALLBACKA)
        tool->lpszText = LPSTR_TEXTCALLBACKA;
    else if (lpszText)
        tool->strText = lpszText;
    tool->crBk = m_crTipBk;
    tool->crText = m_crTipText;
    tool->nMaxWidth = m_nMaxTipWidth;

    RECT area;
    if (lpRectTool)
        area = MapCorners(tool->hwnd, *lpRectTool, ::ClientToScreen);
    else
        ::GetWindowRect(tool->hwnd, &area);
    tool->rect = MapCorners(m_pOwner->m_hWnd, area, ::ScreenToClient);
    m_tools.push_back(std::move(tool));
    return TRUE;
}

CRichTipTool* CRichTipWnd::FindTool(HWND hWnd, UINT nIDTool) const
{
    for (const auto& tool : m_tools)
        if (tool->hwnd == hWnd && tool->uId == nIDTool)
            return tool.get();
    return nullptr;
}

void CRichTipWnd::CopyToolInfo(const CRichTipTool& tool, RICHTIPINFO* pInfo) const
{
    pInfo->cbSize = sizeof(RICHTIPINFO);
    pInfo->uFlags = tool.uFlags;
    pInfo->hwnd = tool.hwnd;
    pInfo->uId = tool.uId;
    pInfo->rect = tool.rect;
    pInfo->hinst = ::GetModuleHandleA(nullptr);
    pInfo->lpszText = tool.lpszText == LPSTR_TEXTCALLBACKA ? LPSTR_TEXTCALLBACKA
                                                           : const_cast<LPSTR>(tool.strText.c_str());
    pInfo->lParam = tool.lParam;
    pInfo->nMaxWidth = tool.nMaxWidth;
    pInfo->crText = tool.crText;
    pInfo->crBk = tool.crBk;
}

BOOL CRichTipWnd::GetToolInfo(RICHTIPINFO* pInfo, CWnd* pWnd, UINT nIDTool) const
{
    const CRichTipTool* tool = pInfo && pWnd ? FindTool(pWnd->m_hWnd, nIDTool) : nullptr;
    if (!tool)
        return FALSE;
    CopyToolInfo(*tool, pInfo);
    return TRUE;
}

void CRichTipWnd::SetToolInfo(const RICHTIPINFO* pInfo)
{
    CRichTipTool* tool = pInfo ? FindTool(pInfo->hwnd, pInfo->uId) : nullptr;
    if (!tool)
        return;
    // The text may be the tool's own, as GetToolInfo handed it out: copy before replacing.
    std::string text;
    if (pInfo->lpszText != LPSTR_TEXTCALLBACKA && pInfo->lpszText)
        text = pInfo->lpszText;
    tool->uFlags = pInfo->uFlags;
    tool->hwnd = pInfo->hwnd;
    tool->uId = pInfo->uId;
    tool->rect = pInfo->rect;
    tool->lpszText = pInfo->lpszText == LPSTR_TEXTCALLBACKA ? LPSTR_TEXTCALLBACKA : nullptr;
    tool->strText.swap(text);
    tool->nMaxWidth = pInfo->nMaxWidth;
    tool->crText = pInfo->crText;
    tool->crBk = pInfo->crBk;
    tool->lParam = pInfo->lParam;
}

int CRichTipWnd::SetMaxTipWidth(int nWidth)
{
    const int previous = m_nMaxTipWidth;
    ReplaceDefault(m_tools, &CRichTipTool::nMaxWidth, m_nMaxTipWidth, nWidth);
    return previous;
}

void CRichTipWnd::SetTipBkColor(COLORREF crColor)
{
    ReplaceDefault(m_tools, &CRichTipTool::crBk, m_crTipBk, crColor);
}

void CRichTipWnd::SetTipTextColor(COLORREF crColor)
{
    ReplaceDefault(m_tools, &CRichTipTool::crText, m_crTipText, crColor);
}

LRESULT CRichTipWnd::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        return 0;
    case WM_SETFOCUS:
        Default(msg, wParam, lParam);
        OnSetFocus((HWND)wParam);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return Default(msg, wParam, lParam);
    case WM_SETTINGCHANGE:
        Default(msg, wParam, lParam);
        OnSettingChange();
        return 0;
    case WM_MOUSEACTIVATE:
        // A click on the tip leaves the owner active and its focus where it was.
        return MA_NOACTIVATE;
    case WM_SETFONT: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnSetFont((HFONT)wParam);
        return result;
    }
    case WM_GETFONT:
        return (LRESULT)m_font.GetSafeHandle();
    default:
        return Default(msg, wParam, lParam);
    }
}

// Called when the tip receives the focus; remembers where to give it back.
void CRichTipWnd::OnSetFocus(HWND hWndOld)
{
    m_hWndFocus = hWndOld;
}

void CRichTipWnd::OnDestroy()
{
    ::KillTimer(m_hWnd, kShowTimer);
    ::KillTimer(m_hWnd, kPollTimer);
}

const LOGFONTA* CRichTipWnd::GetSystemTipFont()
{
    static LOGFONTA systemTipFont;
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = kClassicNonClientMetricsSize;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kClassicNonClientMetricsSize, &metrics, 0))
        return nullptr;
    systemTipFont = metrics.lfStatusFont;
    return &systemTipFont;
}

BOOL CRichTipWnd::SetTipFont(const LOGFONTA* plf, BOOL bRedraw)
{
    if (!plf)
        return FALSE;
    // Copied first: plf may be the shared system font that the next line overwrites.
    m_logFont = *plf;
    const LOGFONTA* system = GetSystemTipFont();
    m_bSystemFont = system && SameFont(m_logFont, *system);
    m_font.CreateFontIndirect(&m_logFont);
    if (bRedraw && IsWindow())
        Invalidate(TRUE);
    return TRUE;
}

// Called for WM_SETFONT; the tip always redraws, whatever the caller asked.
void CRichTipWnd::OnSetFont(HFONT hFont)
{
    LOGFONTA logFont;
    if (ReadLogFont(hFont, &logFont))
        SetTipFont(&logFont, TRUE);
    else
        SetTipFont(GetSystemTipFont(), TRUE);
}

// Called when a system setting changes; a font the user chose stays.
void CRichTipWnd::OnSettingChange()
{
    if (m_bSystemFont)
        SetTipFont(GetSystemTipFont(), TRUE);
}
