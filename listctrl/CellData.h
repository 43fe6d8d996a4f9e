// The record the FCO list keeps for each of its cells.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CellData {
    BOOL bEnabled = TRUE;          // row enabled; only column 0's record counts
    BOOL bBold = FALSE;            // draw the text in bold
    int nImage = -1;               // image index, -1 for none
    std::string strToolTip;        // text of the cell's standard tooltip
    int nReserved1 = 0;
    int nReserved2 = 0;
    COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT);
    COLORREF crBackground = ::GetSysColor(COLOR_WINDOW);
    int nCheckState = -1;          // -1 no check box, 0 clear, 1 ticked
    int nReserved3 = 0;
};

// The records of one row, one per column at the time the row was inserted. The
// list owns them through the row's item data.
using CellRecords = std::vector<CellData>;
