// The FCO list: a report view whose cells carry records, draw their own check boxes and toggle on a click.
#pragma once

#include "framework/Controls.h"
#include "listctrl/CellData.h"

// Sent to the parent after a click toggled a check box: wParam row, lParam column.
extern const UINT WM_LISTCTRLFCO_CHECKBOX_CLICKED;

class CListCtrlFco : public CListCtrl {
public:
    CListCtrlFco();

    int InsertRow(int nItem, LPCSTR lpszText);
    int InsertRow(int nItem, LPCSTR lpszText, COLORREF crText, COLORREF crBackground);
    BOOL SetCellText(int nItem, int nSubItem, LPCSTR lpszText);
    BOOL SetCellText(int nItem, int nSubItem, LPCSTR lpszText, COLORREF crText, COLORREF crBackground);
    BOOL SetCheckState(int nItem, int nSubItem, int nState);
    int GetCheckState(int nItem, int nSubItem) const;
    void DeleteAllRows();
    void UpdateCell(int nItem, int nSubItem);
    BOOL GetCellRect(int nItem, int nSubItem, int nArea, RECT* pRect) const;
    int GetColumnCount() const;

    // The dialog forwards the list's NM_CUSTOMDRAW here; the result goes back to the list.
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW* pDraw);
    // The dialog forwards NM_CLICK and LVN_COLUMNCLICK; FALSE lets the dialog handle them too.
    BOOL OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);

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
    void FreeRowData();
    void OnLButtonDown(UINT nFlags, CPoint point);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnSysColorChange();
    void GetDrawColors(int nItem, int nSubItem, COLORREF& crText, COLORREF& crBackground) const;
    void DrawCheckCell(int nItem, int nSubItem, HDC hDC, COLORREF crText, COLORREF crBackground,
                       const RECT& rcCell, CellRecords* pRecords);
    void DrawCellText(int nItem, int nSubItem, HDC hDC, COLORREF crText, COLORREF crBackground,
                      const RECT& rcCell, CellRecords* pRecords);
};
