// CRichTipWnd: a tooltip popup with its own tools, timing, placement, two-page texts and colours per tool.
#pragma once

#include "framework/CustomWnd.h"
#include "framework/Gdi.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

// In a colour field: the system tooltip colour (COLOR_INFOBK, COLOR_INFOTEXT), looked up at each paint.
const COLORREF kTipSystemColor = 0xFF000000;

// How callers read and write a tool: the standard tool description followed by
// the tip's own maximum width and colours.
struct RICHTIPINFO {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT uId;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText;
    LPARAM lParam;
    int nMaxWidth;
    COLORREF crText;
    COLORREF crBk;
};

// One registered area of the owner, identified by (hwnd, uId).
class CRichTipTool {
public:
    virtual ~CRichTipTool() = default;

    UINT uFlags = 0;
    HWND hwnd = nullptr;
    UINT uId = 0;
    RECT rect = {};  // owner's client coordinates, fixed when added
    LPSTR lpszText = nullptr;  // LPSTR_TEXTCALLBACK: the owner is asked for the text
    std::string strText;
    int nMaxWidth = 0;
    COLORREF crText = kTipSystemColor;
    COLORREF crBk = kTipSystemColor;
    LPARAM lParam = 0;
};

class CRichTipWnd : public CCustomWnd {
public:
    CRichTipWnd();
    ~CRichTipWnd() override;

    BOOL Create(CWnd* pOwner);
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool = nullptr, UINT nIDTool = 0);
    // The owner passes every message of its loop here before dispatching it.
    void RelayEvent(MSG* pMsg);

    BOOL GetToolInfo(RICHTIPINFO* pInfo, CWnd* pWnd, UINT nIDTool) const;
    void SetToolInfo(const RICHTIPINFO* pInfo);
    BOOL HitTest(CWnd* pWnd, CPoint pt, RICHTIPINFO* pInfo) const;

    // The defaults new tools get; a change also reaches every tool still on the old default.
    int SetMaxTipWidth(int nWidth);
    COLORREF GetTipBkColor() const { return m_crTipBk; }
    COLORREF GetTipTextColor() const { return m_crTipText; }
    void SetTipBkColor(COLORREF crColor);
    void SetTipTextColor(COLORREF crColor);

    // Replaces the text of every tool whose own text begins "Description:", at each show.
    std::string m_strDescription;

protected:
    // The tip's screen rectangle for a tip of sizeRect's size shown at point.
    virtual CRect CalcTipPosition(CPoint point, const CRichTipTool* pTool, CRect sizeRect) const;
    // The tip's size (left = top = 0) for text wrapped at nMaxWidth (0: the widest line).
    virtual CRect CalcTipSize(const std::string& text, int nMaxWidth);

    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Timer 1 waits the initial delay; timer 2 polls while the tip shows.
    static constexpr UINT_PTR kShowTimer = 1;
    static constexpr UINT_PTR kPollTimer = 2;

    CRichTipTool* FindTool(HWND hWnd, UINT nIDTool) const;
    HWND ChildFromPoint(CPoint pt) const;
    CRichTipTool* FirstToolOf(HWND hWnd) const;
    BOOL HitTestWindow(HWND hWnd, CPoint pt, RICHTIPINFO* pInfo) const;
    CRichTipTool* ToolFromPoint(CPoint pt) const;
    BOOL IsCursorInTool(const CRichTipTool* pTool) const;
    BOOL IsCursorOverTip() const;
    void ActivateTool(CRichTipTool* pTool);
    void HideTip();
    void ShowTip(CPoint point, int nPage);
    BOOL SetTipFont(const LOGFONTA* plf, BOOL bRedraw);
    static const LOGFONTA* GetSystemTipFont();
    void ApplyDescriptionRule(CRichTipTool* pTool);
    std::string GetToolText(const CRichTipTool* pTool);

    // Message handlers, in the order of the message map.
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown();
    void OnSetFocus(HWND hWndOld);
    void OnDestroy();
    void OnSettingChange();
    void OnSetFont(HFONT hFont);

    CWnd* m_pOwner = nullptr;
    CRect m_rcMargins{2, 2, 3, 3};
    int m_nMaxTipWidth = 0;
    CPoint m_ptOffset{0, 20};
    CFont m_font;
    LOGFONTA m_logFont = {};
    UINT m_uDrawFormat = DT_NOPREFIX | DT_EXTERNALLEADING | DT_EXPANDTABS | DT_WORDBREAK;
    BOOL m_bSystemFont = TRUE;
    CRichTipTool* m_pCurrentTool = nullptr;
    UINT m_nPollInterval = 1000;
    UINT m_nAutoPopTime = 5000;
    UINT m_nShownTime = 0;
    UINT m_nInitialDelay = 500;
    BOOL m_bActive = TRUE;
    BOOL m_bHidden = FALSE;
    BOOL m_bTwoPages = FALSE;
    int m_nPage = 0;
    COLORREF m_crTipBk = kTipSystemColor;
    COLORREF m_crTipText = kTipSystemColor;
    HWND m_hWndFocus = nullptr;
    std::vector<std::unique_ptr<CRichTipTool>> m_tools;

private:
    // The tool's fields as GetToolInfo hands them out.
    void CopyToolInfo(const CRichTipTool& tool, RICHTIPINFO* pInfo) const;
};
