// Typed shims over the standard controls the program uses.
#pragma once

#include "framework/SubclassedWnd.h"

#include <commctrl.h>

#include <string>

class CStatic : public CWnd {};
class CButton : public CWnd {};

class CComboBox : public CWnd {
public:
    int AddString(const std::string& text) { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)text.c_str()); }
    int SetCurSel(int nSelect) { return (int)SendMessage(CB_SETCURSEL, nSelect); }
    int SelectString(int nStartAfter, const std::string& text)
    {
        return (int)SendMessage(CB_SELECTSTRING, nStartAfter, (LPARAM)text.c_str());
    }
    int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
    std::string GetLBText(int nIndex) const;
    int FindStringExact(int nStartAfter, const std::string& text) const
    {
        return (int)SendMessage(CB_FINDSTRINGEXACT, nStartAfter, (LPARAM)text.c_str());
    }
    int GetDroppedWidth() const { return (int)SendMessage(CB_GETDROPPEDWIDTH); }
    int SetDroppedWidth(int nWidth) { return (int)SendMessage(CB_SETDROPPEDWIDTH, nWidth); }
    BOOL SetEditSel(int nStartChar, int nEndChar)
    {
        return (BOOL)SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar));
    }
};

// The report-view list control. Subclassed, so derived classes see its messages.
class CListCtrl : public CSubclassedWnd {
public:
    int GetItemCount() const { return (int)SendToControl(LVM_GETITEMCOUNT); }
    int InsertItem(const LVITEMA* pItem) { return (int)SendToControl(LVM_INSERTITEMA, 0, (LPARAM)pItem); }
    BOOL SetItem(const LVITEMA* pItem) { return (BOOL)SendToControl(LVM_SETITEMA, 0, (LPARAM)pItem); }
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    std::string GetItemText(int nItem, int nSubItem) const;
    // At most nLen - 1 characters into lpszText, always terminated; answers how many it holds.
    int GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const;
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const { return (UINT)SendToControl(LVM_GETITEMSTATE, nItem, nMask); }
    BOOL GetItemRect(int nItem, RECT* pRect, UINT nCode) const;
    BOOL GetSubItemRect(int nItem, int nSubItem, int nArea, RECT* pRect) const;
    int SubItemHitTest(LVHITTESTINFO* pInfo) const { return (int)SendToControl(LVM_SUBITEMHITTEST, 0, (LPARAM)pInfo); }
    BOOL DeleteAllItems() { return (BOOL)SendToControl(LVM_DELETEALLITEMS); }

    int InsertColumn(int nCol, const LVCOLUMNA* pColumn) { return (int)SendToControl(LVM_INSERTCOLUMNA, nCol, (LPARAM)pColumn); }
    int InsertColumn(int nCol, LPCSTR lpszHeading, int nFormat, int nWidth, int nSubItem);
    BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn) { return (BOOL)SendToControl(LVM_SETCOLUMNA, nCol, (LPARAM)pColumn); }
    int GetColumnWidth(int nCol) const { return (int)SendToControl(LVM_GETCOLUMNWIDTH, nCol); }

    DWORD SetExtendedStyle(DWORD dwNewStyle) { return (DWORD)SendToControl(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle); }
    DWORD GetExtendedStyle() const { return (DWORD)SendToControl(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    int GetSelectionMark() const { return (int)SendToControl(LVM_GETSELECTIONMARK); }
    HWND GetHeaderCtrl() const { return (HWND)SendToControl(LVM_GETHEADER); }
    HIMAGELIST GetImageList(int nImageList) const { return (HIMAGELIST)SendToControl(LVM_GETIMAGELIST, nImageList); }
};

// An owned image list, destroyed with its owner.
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Loads a bitmap resource cut into images cx pixels wide; crMask is transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();
    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }
    operator HIMAGELIST() const { return m_hImageList; }

private:
    HIMAGELIST m_hImageList = nullptr;
};
