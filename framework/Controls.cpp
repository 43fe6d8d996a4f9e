// Out-of-line shims of the list, combo box and image list wrappers.
#include "framework/Controls.h"

#include <vector>

std::string CComboBox::GetLBText(int nIndex) const
{
    const int length = (int)SendMessage(CB_GETLBTEXTLEN, nIndex);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(length + 1);
    const int copied = (int)SendMessage(CB_GETLBTEXT, nIndex, (LPARAM)buffer.data());
    return std::string(buffer.data(), copied > 0 ? copied : 0);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam)
{
    LVITEMA item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText)
{
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return (BOOL)SendToControl(LVM_SETITEMTEXTA, nItem, (LPARAM)&item);
}

std::string CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // Most cells are short: a buffer on the stack answers them. The list view reports only how
    // much it copied, so a longer text is read again into a buffer that grows until it fits.
    char shortText[256];
    int length = GetItemText(nItem, nSubItem, shortText, sizeof(shortText));
    if (length < (int)sizeof(shortText) - 1)
        return std::string(shortText, length);
    for (int size = 1024;; size *= 4) {
        std::vector<char> buffer(size);
        length = GetItemText(nItem, nSubItem, buffer.data(), size);
        if (length < size - 1 || size >= (1 << 24))
            return std::string(buffer.data(), length);
    }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const
{
    if (nLen <= 0)
        return 0;
    lpszText[0] = '\0';
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = lpszText;
    item.cchTextMax = nLen;
    const int length = (int)SendToControl(LVM_GETITEMTEXTA, nItem, (LPARAM)&item);
    // A text cut to fit may come back without its terminating zero.
    lpszText[nLen - 1] = '\0';
    return length <= 0 ? 0 : (length < nLen ? length : nLen - 1);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!SendToControl(LVM_GETITEMA, 0, (LPARAM)&item))
        return 0;
    return (DWORD_PTR)item.lParam;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, (LPARAM)dwData);
}

BOOL CListCtrl::GetItemRect(int nItem, RECT* pRect, UINT nCode) const
{
    pRect->left = (LONG)nCode;
    return (BOOL)SendToControl(LVM_GETITEMRECT, nItem, (LPARAM)pRect);
}

BOOL CListCtrl::GetSubItemRect(int nItem, int nSubItem, int nArea, RECT* pRect) const
{
    pRect->top = nSubItem;
    pRect->left = nArea;
    return (BOOL)SendToControl(LVM_GETSUBITEMRECT, nItem, (LPARAM)pRect);
}

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<LPSTR>(lpszHeading);
    column.iSubItem = nSubItem;
    return InsertColumn(nCol, &column);
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    DeleteImageList();
    m_hImageList = ImageList_LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nBitmapID), cx,
                                        nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}
