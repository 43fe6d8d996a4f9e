// Filling the main dialog's FCO list: its columns, one row per catalogue FCO, ticks and dates from the registry.
#include "app/FcoDlg.h"

#include "framework/Strings.h"
#include "registry/FcoValues.h"
#include "registry/RegistryKey.h"
#include "registry/WrapText.h"
#include "res/resource.h"

#include <cstdio>

namespace {
struct FcoColumn {
    const char* title;
    int format;
    int share;  // of 64; the last column takes what is left
};

const FcoColumn kFcoColumns[] = {
    {"Status", LVCFMT_CENTER, 6},
    {"FCO", LVCFMT_LEFT, 10},
    {"Component/Activity", LVCFMT_LEFT, 34},
    {"Installation Date", LVCFMT_CENTER, 12},
    {"Description", LVCFMT_CENTER, 0},
};
const int kFcoColumnCount = sizeof(kFcoColumns) / sizeof(kFcoColumns[0]);

// Room left for the vertical scroll bar beside the last column.
const int kScrollBarAllowance = 19;

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
} // namespace

void CFcoDlg::InsertFcoColumns(CListCtrlFco& list)
{
    const int width = list.GetWindowRect().Width() - 2;
    int given = 0;
    for (int column = 0; column < kFcoColumnCount; ++column) {
        const bool last = column == kFcoColumnCount - 1;
        const int columnWidth = last ? width - given - kScrollBarAllowance
                                     : width * kFcoColumns[column].share / 64;
        list.InsertColumn(column, kFcoColumns[column].title, kFcoColumns[column].format, columnWidth, column);
        given += columnWidth;
    }

    list.m_imageList.Create(IDB_CHECKBOXES, 16, 3, RGB(255, 0, 255));

    // Windows' list view ignores the alignment of the first column while inserting it; only a
    // later change of format centres the Status column.
    for (int column = 0; column < kFcoColumnCount; ++column) {
        LVCOLUMNA format = {};
        format.mask = LVCF_FMT | LVCF_SUBITEM;
        format.fmt = kFcoColumns[column].format;
        format.iSubItem = column;
        list.SetColumn(column, &format);
    }
}

// Called at start-up and after a restore of the key.
void CFcoDlg::FillFcoRows()
{
    m_listFco.DeleteAllRows();
    LoadFcoValues();
    ReadDescriptionFile(FormatString("%s.txt", m_strMachineName.c_str()));
}

void CFcoDlg::LoadFcoValues()
{
    m_aFco = NormaliseFcoKey(HKEY_LOCAL_MACHINE, m_strFcoKey, m_strToday, stdout);
}

void CFcoDlg::AddFcoRow(const std::string& identifier, const std::string& component,
                        const std::string& description)
{
    std::string date;
    const BOOL installed = IsFcoInRegistry(identifier, date);

    // Each cell repaints itself as it is set; the lock folds them into one repaint of the row.
    ::LockWindowUpdate(m_listFco);
    const int row = m_listFco.GetItemCount();
    m_listFco.InsertRow(row, "");
    m_listFco.SetCheckState(row, 0, installed ? 1 : 0);
    m_listFco.SetCellText(row, 1, identifier.c_str(), kBlack, kWhite);
    m_listFco.SetCellText(row, 2, component.c_str(), kBlack, kWhite);
    m_listFco.SetCellText(row, 3, date.c_str());
    m_listFco.SetCellText(row, 4, WrapText80(description).c_str());
    ::LockWindowUpdate(nullptr);
}

BOOL CFcoDlg::IsFcoInRegistry(const std::string& identifier, std::string& date)
{
    // The empty name is the key's default value, which records no FCO.
    if (identifier.empty())
        return FALSE;
    CRegistryKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, m_strFcoKey))
        return FALSE;
    return key.QueryString(date, identifier);
}
