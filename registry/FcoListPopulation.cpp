// Filling the FCO list: its five columns and one row per catalogue FCO, ticked where installed.
#include "registry/FcoListPopulation.h"

#include "framework/Strings.h"
#include "registry/RegistryKey.h"
#include "registry/WrapText.h"
#include "res/resource.h"

#include <algorithm>
#include <utility>
#include <vector>

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

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
} // namespace

void InsertFcoColumns(CListCtrlFco& list, int scrollBarRoom)
{
    const int width = list.GetWindowRect().Width() - 2;
    int given = 0;
    for (int column = 0; column < kFcoColumnCount; ++column) {
        const bool last = column == kFcoColumnCount - 1;
        // At 96 DPI nothing is left for Description; at another DPI the rounding may leave it
        // a pixel less than nothing, which the list view would not take.
        const int columnWidth = last ? std::max(0, width - given - scrollBarRoom)
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

int AppendFcoRow(CListCtrlFco& list, const std::string& identifier, const std::string& component,
                 const std::string& description, BOOL installed, const std::string& date)
{
    // The cells as a row inserted empty and then set cell by cell would leave them: the Status
    // cell in the list's own colours with its check box, FCO and component black on white, the
    // date and the description in the system's window colours.
    // One blank record copied: each reads the system's colours when it is made.
    CellRecords cells(kFcoColumnCount, CellData());
    cells[0].crText = list.m_crWindowText;
    cells[0].crBackground = list.m_crWindow;
    cells[0].nCheckState = installed ? 1 : 0;
    for (int column = 1; column <= 2; ++column) {
        cells[column].crText = kBlack;
        cells[column].crBackground = kWhite;
    }
    const std::vector<std::string> texts = {"", identifier, component, date, WrapText80(description, SystemLeadBytes())};
    return list.InsertRow(list.GetItemCount(), texts, std::move(cells));
}

BOOL IsFcoInRegistry(const std::string& fcoKey, const std::string& identifier, std::string& date)
{
    // The empty name is the key's default value, which records no FCO.
    if (identifier.empty())
        return FALSE;
    CRegistryKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, fcoKey))
        return FALSE;
    return key.QueryString(date, identifier);
}
