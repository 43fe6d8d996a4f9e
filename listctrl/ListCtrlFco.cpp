// The FCO list: per-cell records, self-drawn check boxes, click toggling, empty-list text and cell tooltips.
#include "listctrl/ListCtrlFco.h"

#include "framework/Gdi.h"
#include "framework/Strings.h"

#include <new>
#include <utility>
#include <vector>

extern const UINT WM_LISTCTRLFCO_CHECKBOX_CLICKED = ::RegisterWindowMessageA("WM_LISTCTRLFCO_CHECKBOX_CLICKED");

namespace {
const char kEmptyListText[] = "There are no items to show in this view.";
const COLORREF kDefaultColor = (COLORREF)-1;
// The standard tooltip's text buffer, szText.
const int kToolTipTextCapacity = 80;

void FillSolid(HDC hDC, const RECT& rect, COLORREF color)
{
    CBrush brush(color);
    ::FillRect(hDC, &rect, brush);
}
} // namespace

CListCtrlFco::CListCtrlFco()
    : m_crBtnFace(::GetSysColor(COLOR_BTNFACE)),
      m_crGrayText(::GetSysColor(COLOR_GRAYTEXT)),
      m_crHighlight(::GetSysColor(COLOR_HIGHLIGHT)),
      m_crHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_crWindow(::GetSysColor(COLOR_WINDOW)),
      m_crWindowText(::GetSysColor(COLOR_WINDOWTEXT))
{
}

void CListCtrlFco::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
}

int CListCtrlFco::GetColumnCount() const
{
    HWND hHeader = GetHeaderCtrl();
    return hHeader ? (int)::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0) : 0;
}

bool CListCtrlFco::IsCellInRange(int nItem, int nSubItem) const
{
    return nItem >= 0 && nItem < GetItemCount() && nSubItem >= 0 && nSubItem < GetColumnCount();
}

CellRecords* CListCtrlFco::GetRowData(int nItem) const
{
    return reinterpret_cast<CellRecords*>(GetItemData(nItem));
}

// Columns added after a row was inserted have no record in that row.
CellData* CListCtrlFco::CellOf(CellRecords* pRecords, int nSubItem)
{
    if (!pRecords || nSubItem < 0 || nSubItem >= (int)pRecords->size())
        return nullptr;
    return &(*pRecords)[nSubItem];
}

int CListCtrlFco::InsertRow(int nItem, LPCSTR lpszText)
{
    return InsertRow(nItem, lpszText, m_crWindowText, m_crWindow);
}

int CListCtrlFco::InsertRow(int nItem, LPCSTR lpszText, COLORREF crText, COLORREF crBackground)
{
    if (nItem < 0)
        return -1;
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    const int index = InsertItem(&item);
    if (index < 0)
        return index;

    const int columns = GetColumnCount();
    CellRecords* records = AdoptRecords(CellRecords());
    if (!records)
        return -1;
    try {
        records->resize(columns > 0 ? columns : 1);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    CellData& first = records->front();
    first.crText = crText;
    first.crBackground = crBackground;
    first.nImage = -1;
    SetItem(index, 0, LVIF_PARAM, nullptr, 0, 0, 0, (LPARAM)records);
    return index;
}

int CListCtrlFco::InsertRow(int nItem, const std::vector<std::string>& texts, CellRecords records)
{
    if (nItem < 0)
        return -1;
    CellRecords* owned = AdoptRecords(std::move(records));
    if (!owned)
        return -1;
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(texts.empty() ? "" : texts.front().c_str());
    item.lParam = (LPARAM)owned;
    const int index = InsertItem(&item);
    if (index < 0) {
        m_rowRecords.pop_back();
        return index;
    }
    // A new row's cells are empty already; an empty text needs no message.
    for (size_t column = 1; column < texts.size(); ++column)
        if (!texts[column].empty())
            SetItemText(index, (int)column, texts[column].c_str());
    return index;
}

void CListCtrlFco::BeginBulkUpdate()
{
    if (m_nBulkDepth++ == 0 && m_hWnd)
        SendMessage(WM_SETREDRAW, FALSE);
}

void CListCtrlFco::EndBulkUpdate()
{
    if (m_nBulkDepth <= 0 || --m_nBulkDepth > 0 || !m_hWnd)
        return;
    SendMessage(WM_SETREDRAW, TRUE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

BOOL CListCtrlFco::SetCellText(int nItem, int nSubItem, LPCSTR lpszText)
{
    if (!IsCellInRange(nItem, nSubItem))
        return FALSE;
    const BOOL result = SetItemText(nItem, nSubItem, lpszText);
    UpdateCell(nItem, nSubItem);
    return result;
}

BOOL CListCtrlFco::SetCellText(int nItem, int nSubItem, LPCSTR lpszText, COLORREF crText,
                               COLORREF crBackground)
{
    if (!IsCellInRange(nItem, nSubItem))
        return FALSE;
    BOOL result = TRUE;
    if (lpszText)
        result = SetItemText(nItem, nSubItem, lpszText);
    if (CellData* cell = CellOf(GetRowData(nItem), nSubItem)) {
        cell->crText = crText == kDefaultColor ? m_crWindowText : crText;
        cell->crBackground = crBackground == kDefaultColor ? m_crWindow : crBackground;
    }
    UpdateCell(nItem, nSubItem);
    return result;
}

BOOL CListCtrlFco::SetCheckState(int nItem, int nSubItem, int nState)
{
    if (!IsCellInRange(nItem, nSubItem))
        return FALSE;
    CellData* cell = CellOf(GetRowData(nItem), nSubItem);
    if (!cell)
        return FALSE;
    cell->nCheckState = nState;
    UpdateCell(nItem, nSubItem);
    return TRUE;
}

int CListCtrlFco::GetCheckState(int nItem, int nSubItem) const
{
    // Update Registry asks this for every row: the row's records alone answer, in one message
    // instead of four. A row outside the list has no item data, and a column beyond the
    // records (one per column the row was inserted with) has no record.
    if (nItem < 0 || nSubItem < 0)
        return -1;
    const CellData* cell = CellOf(GetRowData(nItem), nSubItem);
    return cell ? cell->nCheckState : -1;
}

CellRecords* CListCtrlFco::AdoptRecords(CellRecords records)
{
    try {
        m_rowRecords.push_back(std::make_unique<CellRecords>(std::move(records)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return m_rowRecords.back().get();
}

void CListCtrlFco::FreeRowData()
{
    const int count = GetItemCount();
    for (int row = 0; row < count; ++row)
        SetItemData(row, 0);
    m_rowRecords.clear();
}

void CListCtrlFco::DeleteAllRows()
{
    // The rows go first and their records after, so no row ever holds a freed record. The
    // control keeps every record array it made, so freeing them asks the list view nothing.
    DeleteAllItems();
    m_rowRecords.clear();
}

void CListCtrlFco::UpdateCell(int nItem, int nSubItem)
{
    // A list that is not on screen, or in bulk update, is painted whole later; asking the
    // window manager to repaint a single cell now costs server round trips under Wine.
    if (m_nBulkDepth > 0 || !::IsWindowVisible(m_hWnd))
        return;
    RECT rect;
    if (!GetCellRect(nItem, nSubItem, LVIR_BOUNDS, &rect))
        return;
    ::InvalidateRect(m_hWnd, &rect, TRUE);
    UpdateWindow();
}

BOOL CListCtrlFco::GetCellRect(int nItem, int nSubItem, int nArea, RECT* pRect) const
{
    if (!IsCellInRange(nItem, nSubItem))
        return FALSE;
    return CellBounds(nItem, nSubItem, nArea, pRect, GetColumnCount());
}

BOOL CListCtrlFco::CellBounds(int nItem, int nSubItem, int nArea, RECT* pRect, int nColumns) const
{
    BOOL result = GetSubItemRect(nItem, nSubItem, nArea, pRect);
    // Column 0's bounds are reported as the whole row; it really ends where column 1 begins.
    if (nSubItem == 0 && nColumns > 1) {
        RECT next;
        result = GetSubItemRect(nItem, 1, LVIR_BOUNDS, &next);
        pRect->right = next.left;
    }
    return result;
}

LRESULT CListCtrlFco::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
        OnLButtonDown((UINT)wParam, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        return 0;
    case WM_PAINT:
        return OnPaint(wParam, lParam);
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            // A held key repeats its key-down with bit 30 set: one press, one toggle.
            if (!(lParam & 0x40000000))
                OnSpace();
            return 0;
        }
        return Default(msg, wParam, lParam);
    case WM_CHAR:
        // The list view's own answer to a blank would be a search for a row beginning with one.
        return wParam == ' ' ? 0 : Default(msg, wParam, lParam);
    case WM_DESTROY:
        OnDestroy();
        return Default(msg, wParam, lParam);
    case WM_SYSCOLORCHANGE: {
        const LRESULT result = Default(msg, wParam, lParam);
        OnSysColorChange();
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        return result;
    }
    case WM_NOTIFY: {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR->code == TTN_NEEDTEXTA || pNMHDR->code == TTN_NEEDTEXTW) {
            LRESULT result = 0;
            if (OnToolTipText((UINT)pNMHDR->idFrom, pNMHDR, &result))
                return result;
        }
        return Default(msg, wParam, lParam);
    }
    default:
        return Default(msg, wParam, lParam);
    }
}

// A click anywhere in a check-box cell toggles it; the parent hears of it before
// the list view's own selection handling runs.
void CListCtrlFco::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int count = GetItemCount();
    int row = -1;
    for (int i = 0; i < count; ++i) {
        CRect rect;
        if (GetItemRect(i, &rect, LVIR_BOUNDS) && rect.PtInRect(point)) {
            row = i;
            break;
        }
    }
    if (row >= 0) {
        CellRecords* records = GetRowData(row);
        if (!records || !records->front().bEnabled)
            return;
        const int columns = GetColumnCount();
        for (int i = 0; i < columns; ++i) {
            CRect rect;
            if (CellBounds(row, i, LVIR_BOUNDS, &rect, columns) && rect.PtInRect(point)) {
                ToggleCheck(row, i);
                break;
            }
        }
    }
    Default(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CListCtrlFco::OnSpace()
{
    const int row = (int)SendToControl(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    if (row >= 0)
        ToggleCheck(row, 0);
}

BOOL CListCtrlFco::ToggleCheck(int nItem, int nSubItem)
{
    CellRecords* records = GetRowData(nItem);
    if (!records || !records->front().bEnabled)
        return FALSE;
    CellData* cell = CellOf(records, nSubItem);
    if (!cell || cell->nCheckState < 0)
        return FALSE;
    cell->nCheckState = cell->nCheckState == 0 ? 1 : 0;
    UpdateCell(nItem, nSubItem);
    HWND hTarget = GetParent();
    if (!hTarget)
        hTarget = ::GetWindow(m_hWnd, GW_OWNER);
    if (hTarget && ::IsWindow(hTarget))
        ::SendMessageA(hTarget, WM_LISTCTRLFCO_CHECKBOX_CLICKED, (WPARAM)nItem, (LPARAM)nSubItem);
    return TRUE;
}

LRESULT CListCtrlFco::OnPaint(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Default(WM_PAINT, wParam, lParam);
    if (GetItemCount() > 0)
        return result;

    CClientDC dc(m_hWnd);
    CSaveDC saved(dc);
    CRect rect = GetWindowRect();
    ::ScreenToClient(m_hWnd, reinterpret_cast<POINT*>(&rect.left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<POINT*>(&rect.right));
    if (HWND hHeader = GetHeaderCtrl()) {
        RECT headerItem;
        if (::SendMessageA(hHeader, HDM_GETITEMRECT, 0, (LPARAM)&headerItem))
            rect.top += headerItem.bottom;
    }
    rect.top += 10;

    FillSolid(dc, rect, m_crWindow);
    ::SetTextColor(dc, m_crWindowText);
    ::SetBkColor(dc, m_crWindow);
    ::SelectObject(dc, ::GetStockObject(ANSI_VAR_FONT));
    ::DrawTextA(dc, kEmptyListText, -1, &rect, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP);
    return result;
}

void CListCtrlFco::OnDestroy()
{
    FreeRowData();
}

void CListCtrlFco::OnSysColorChange()
{
    m_crBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_crHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
}

LRESULT CListCtrlFco::OnCustomDraw(NMLVCUSTOMDRAW* pDraw)
{
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        break;
    default:
        return CDRF_DODEFAULT;
    }

    const int row = (int)pDraw->nmcd.dwItemSpec;
    const int column = pDraw->iSubItem;
    CellRecords* records = reinterpret_cast<CellRecords*>(pDraw->nmcd.lItemlParam);
    const CellData* cell = CellOf(records, column);

    const COLORREF crText = m_crWindowText;
    const COLORREF crBackground = cell ? cell->crBackground : m_crWindow;
    pDraw->clrTextBk = crBackground;

    // The list view names only cells that exist; only column 0's bounds need the column count.
    CRect rect;
    CellBounds(row, column, LVIR_BOUNDS, &rect, column == 0 ? GetColumnCount() : 0);
    if (cell && cell->nCheckState != -1) {
        DrawCheckCell(row, column, pDraw->nmcd.hdc, crText, crBackground, rect, records);
        return CDRF_SKIPDEFAULT;
    }
    DrawCellText(row, column, pDraw->nmcd.hdc, crText, crBackground, rect, records);
    // The list view then draws the other columns itself, on the background set above.
    return column == 0 ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT;
}

BOOL CListCtrlFco::OnClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    return FALSE;
}

BOOL CListCtrlFco::OnColumnClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    return FALSE;
}

LRESULT CListCtrlFco::OnDeleteAllItems(NMHDR*)
{
    return TRUE;
}

void CListCtrlFco::GetDrawColors(int nItem, int nSubItem, COLORREF& crText, COLORREF& crBackground) const
{
    const bool selected = (GetItemState(nItem, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    const bool fullRow = (GetExtendedStyle() & LVS_EX_FULLROWSELECT) != 0;
    if (!selected || !(fullRow || nSubItem == 0))
        return;
    if (::GetFocus() == m_hWnd) {
        crText = m_crHighlightText;
        crBackground = m_crHighlight;
    } else if (::GetWindowLongA(m_hWnd, GWL_STYLE) & LVS_SHOWSELALWAYS) {
        crText = m_crWindowText;
        crBackground = m_crBtnFace;
    }
}

void CListCtrlFco::DrawCheckCell(int nItem, int nSubItem, HDC hDC, COLORREF crText,
                                 COLORREF crBackground, const RECT& rcCell, CellRecords* pRecords)
{
    GetDrawColors(nItem, nSubItem, crText, crBackground);
    FillSolid(hDC, rcCell, crBackground);

    CRect box(rcCell.left + 9, rcCell.top, 0, rcCell.bottom - 1);
    box.right = box.left + box.Height();
    const std::string text = GetItemText(nItem, nSubItem);
    if (text.empty()) {
        box.left = rcCell.left + (rcCell.right - rcCell.left) / 2 - box.Height() / 2 - 1;
        box.right = box.left + box.Height();
    }
    FillSolid(hDC, box, m_crWindow);
    box.left += 1;
    ::DrawEdge(hDC, &box, EDGE_SUNKEN, BF_RECT);

    const CellData* cell = CellOf(pRecords, nSubItem);
    if (cell && cell->nCheckState == 1) {
        CPen pen(PS_SOLID, 1, pRecords->front().bEnabled ? RGB(0, 0, 0) : m_crGrayText);
        CSelectObject selectPen(hDC, pen);
        int x = box.left + 9;
        int y = box.top + 3;
        for (int i = 0; i < 4; ++i, --x, ++y) {
            ::MoveToEx(hDC, x, y, nullptr);
            ::LineTo(hDC, x, y + 3);
        }
        for (int i = 0; i < 3; ++i, --x, --y) {
            ::MoveToEx(hDC, x, y, nullptr);
            ::LineTo(hDC, x, y + 3);
        }
    }

    if (!text.empty()) {
        ::SetBkMode(hDC, TRANSPARENT);
        ::SetTextColor(hDC, crText);
        ::SetBkColor(hDC, crBackground);
        CRect textRect(rcCell);
        textRect.left = box.right + 4;
        ::DrawTextA(hDC, text.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER);
    }
}

void CListCtrlFco::DrawCellText(int nItem, int nSubItem, HDC hDC, COLORREF crText,
                                COLORREF crBackground, const RECT& rcCell, CellRecords* pRecords)
{
    GetDrawColors(nItem, nSubItem, crText, crBackground);
    FillSolid(hDC, rcCell, crBackground);

    const std::string text = GetItemText(nItem, nSubItem);
    if (text.empty())
        return;

    UINT format = DT_SINGLELINE | DT_VCENTER;
    if (nSubItem == 3) {
        format |= DT_CENTER;
    } else {
        HDITEMA header = {};
        header.mask = HDI_FORMAT;
        ::SendMessageA(GetHeaderCtrl(), HDM_GETITEMA, nSubItem, (LPARAM)&header);
        switch (header.fmt & HDF_JUSTIFYMASK) {
        case HDF_CENTER:
            format |= DT_CENTER;
            break;
        case HDF_LEFT:
            format |= DT_LEFT;
            break;
        default:
            format |= DT_RIGHT;
            break;
        }
    }

    CFont boldFont;
    const CellData* cell = CellOf(pRecords, nSubItem);
    if (cell && cell->bBold) {
        LOGFONTA logFont;
        if (ReadLogFont(::GetCurrentObject(hDC, OBJ_FONT), &logFont)) {
            logFont.lfWeight = FW_BOLD;
            boldFont.CreateFontIndirect(&logFont);
        }
    }
    CSelectObject selectFont(hDC, boldFont ? (HGDIOBJ)boldFont : ::GetCurrentObject(hDC, OBJ_FONT));

    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, crText);
    ::SetBkColor(hDC, crBackground);
    CRect textRect(rcCell);
    ::DrawTextA(hDC, text.c_str(), -1, &textRect, format);
}

INT_PTR CListCtrlFco::OnToolHitTest(CPoint point, TOOLINFOA* ti) const
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    SubItemHitTest(&hit);
    if (!(hit.flags & LVHT_ONITEMLABEL))
        return -1;
    ti->hwnd = m_hWnd;
    ti->uId = (UINT_PTR)(hit.iItem * 1000 + hit.iSubItem + 1);
    ti->rect = GetClientRect();
    ti->lpszText = LPSTR_TEXTCALLBACKA;
    return (INT_PTR)ti->uId;
}

BOOL CListCtrlFco::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pNMHDR->idFrom == 0)
        return TRUE;
    *pResult = 0;

    const DWORD position = ::GetMessagePos();
    POINT point = {(short)LOWORD(position), (short)HIWORD(position)};
    ::ScreenToClient(m_hWnd, &point);
    LVHITTESTINFO hit = {};
    hit.pt = point;
    SubItemHitTest(&hit);
    if (!(hit.flags & LVHT_ONITEMLABEL))
        return FALSE;

    const CellData* cell = CellOf(GetRowData(hit.iItem), hit.iSubItem);
    if (!cell || cell->strToolTip.empty())
        return FALSE;
    // 80 characters with the terminator, never half of a double-byte one. A conversion that does
    // not fit fails with the buffer's content undefined, so the wide text is cut before too.
    const std::string limited = SystemLeadBytes().Cut(cell->strToolTip, kToolTipTextCapacity - 1);
    if (pNMHDR->code == TTN_NEEDTEXTA) {
        NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        ::lstrcpynA(info->szText, limited.c_str(), kToolTipTextCapacity);
    } else {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        ::MultiByteToWideChar(CP_ACP, 0, limited.c_str(), -1, info->szText, kToolTipTextCapacity);
    }
    return FALSE;
}
