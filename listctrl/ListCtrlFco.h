// The FCO list: a report view whose cells carry records, draw their own check boxes and toggle on a click.
#pragma once

#include "framework/Controls.h"
#include "listctrl/CellData.h"

#include <memory>
#include <string>
#include <vector>

// Sent to the parent after a click toggled a check box: wParam row, lParam column.
extern const UINT WM_LISTCTRLFCO_CHECKBOX_CLICKED;

class CListCtrlFco : public CListCtrl {
public:
    CListCtrlFco();

    int InsertRow(int nItem, LPCSTR lpszText);
    int InsertRow(int nItem, LPCSTR lpszText, COLORREF crText, COLORREF crBackground);
    // Inserts a whole row at once: texts[i] is the text of column i, records its cell records
    // (one per column). One insertion carries the first text and the records; each further
    // non-empty text costs one more message. -1 when the row cannot be inserted.
    int InsertRow(int nItem, const std::vector<std::string>& texts, CellRecords records);
    BOOL SetCellText(int nItem, int nSubItem, LPCSTR lpszText);
    BOOL SetCellText(int nItem, int nSubItem, LPCSTR lpszText, COLORREF crText, COLORREF crBackground);
    BOOL SetCheckState(int nItem, int nSubItem, int nState);
    int GetCheckState(int nItem, int nSubItem) const;
    void DeleteAllRows();
    void UpdateCell(int nItem, int nSubItem);
    BOOL GetCellRect(int nItem, int nSubItem, int nArea, RECT* pRect) const;
    int GetColumnCount() const;

    // Bulk work (filling, refilling, clearing every tick) runs between these: the list neither
    // redraws nor repaints single cells until the outermost EndBulkUpdate, which repaints it
    // once. Under Wine every item change with redraw on also moves the header, so a list
    // filled with redraw on slows down faster than it grows.
    void BeginBulkUpdate();
    void EndBulkUpdate();

    // The dialog forwards the list's NM_CUSTOMDRAW here; the result goes back to the list.
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW* pDraw);
    // The dialog forwards NM_CLICK and LVN_COLUMNCLICK; FALSE lets the dialog handle them too.
    BOOL OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    // The dialog forwards LVN_DELETEALLITEMS; the answer goes back to the list. The control
    // frees its records itself, so the list view need not announce each deleted row.
    LRESULT OnDeleteAllItems(NMHDR* pNMHDR);

    CImageList m_imageList;
    COLORREF m_crBtnFace;
    COLORREF m_crGrayText;
    COLORREF m_crHighlight;
    COLORREF m_crHighlightText;
    COLORREF m_crWindow;
    COLORREF m_crWindowText;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* ti) const override;
    virtual BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

private:
    CellRecords* GetRowData(int nItem) const;
    static CellData* CellOf(CellRecords* pRecords, int nSubItem);
    bool IsCellInRange(int nItem, int nSubItem) const;
    // GetCellRect without the range check, for cells already known to exist.
    BOOL CellBounds(int nItem, int nSubItem, int nArea, RECT* pRect, int nColumns) const;
    void FreeRowData();
    // Takes ownership of a row's records; null when they cannot be kept.
    CellRecords* AdoptRecords(CellRecords records);
    void OnLButtonDown(UINT nFlags, CPoint point);
    // Space: the tick of the selected row's Status cell, as a click there gives it.
    void OnSpace();
    // Flips a check cell of an enabled row, repaints it and tells the parent; FALSE when the
    // cell has no check box or the row is disabled.
    BOOL ToggleCheck(int nItem, int nSubItem);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnSysColorChange();
    void GetDrawColors(int nItem, int nSubItem, COLORREF& crText, COLORREF& crBackground) const;
    void DrawCheckCell(int nItem, int nSubItem, HDC hDC, COLORREF crText, COLORREF crBackground,
                       const RECT& rcCell, CellRecords* pRecords);
    void DrawCellText(int nItem, int nSubItem, HDC hDC, COLORREF crText, COLORREF crBackground,
                      const RECT& rcCell, CellRecords* pRecords);

    int m_nBulkDepth = 0;
    // Every record array the control made, in insertion order; rows are only ever deleted all
    // at once, so these go together with them.
    std::vector<std::unique_ptr<CellRecords>> m_rowRecords;
};

// Holds a list in bulk update for the time of a scope.
class CListBulkUpdate {
public:
    explicit CListBulkUpdate(CListCtrlFco& list) : m_list(list) { m_list.BeginBulkUpdate(); }
    ~CListBulkUpdate() { m_list.EndBulkUpdate(); }
    CListBulkUpdate(const CListBulkUpdate&) = delete;
    CListBulkUpdate& operator=(const CListBulkUpdate&) = delete;

private:
    CListCtrlFco& m_list;
};
