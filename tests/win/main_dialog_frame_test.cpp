// The main dialog's frame in-process: the system menu's About entry and the information line's colour.
#include "app/FcoDlg.h"
#include "registry/FcoListPopulation.h"
#include "res/resource.h"
#include "tests/common/PixelImage.h"
#include "tests/win/support/ScratchFolder.h"
#include "tests/win/support/StartupFiles.h"
#include "tests/win/support/TestRegistry.h"

#include <gtest/gtest.h>

namespace {
class MainDialogFrame : public ::testing::Test {
protected:
    ProductKeysGuard keys;
    StartupFilesGuard startupFiles;
    ScratchFolder folder{"frame"};
    CFcoDlg dlg;

    void SetUp() override
    {
        folder.Enter();
        dlg.m_strMachineName = "FRAME";
        ASSERT_TRUE(dlg.Create());
    }
    void TearDown() override { dlg.DestroyWindow(); }
};

TEST_F(MainDialogFrame, TheSystemMenuEndsWithASeparatorAndTheAboutEntry)
{
    const HMENU menu = ::GetSystemMenu(dlg, FALSE);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(::GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(IDM_ABOUTBOX, (int)::GetMenuItemID(menu, count - 1));
    char text[64] = {};
    ::GetMenuStringA(menu, count - 1, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ("&About Tallyroll...", text);
}

int RedPixels(HWND hWnd)
{
    return PixelImage::OfClient(hWnd).Count(RGB(255, 0, 0));
}

TEST_F(MainDialogFrame, TheInformationLineRepaintsInANewColourWithoutANewText)
{
    CColorStatic& line = dlg.m_staticInfo;
    line.SetWindowText("Tovren Farreach is not installed on this machine!");
    line.ShowWindow(SW_SHOW);
    dlg.ShowWindow(SW_SHOW);
    ::RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(0, RedPixels(line));

    line.SetTextColor(RGB(255, 0, 0));
    line.UpdateWindow();
    EXPECT_GE(RedPixels(line), 30);
}

// Windows tells only top-level windows of a change of the system colours; the list learns of it
// from its dialog.
TEST_F(MainDialogFrame, TheSelectedRowPaintsInTheNewSystemHighlightColour)
{
    CListCtrlFco& list = dlg.m_listFco;
    AppendFcoRow(list, "456", "Imaging head", "New firmware", false, "");
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    dlg.ShowWindow(SW_SHOW);
    ::SetFocus(list);
    // The Status cell: the list paints it itself, in the colours it knows.
    RECT status = {};
    ListView_GetSubItemRect(list, 0, 0, LVIR_LABEL, &status);
    const POINT inside = {status.left + 2, (status.top + status.bottom) / 2};

    const int element = COLOR_HIGHLIGHT;
    const COLORREF original = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF changed = RGB(10, 200, 30);
    ASSERT_TRUE(::SetSysColors(1, &element, &changed));
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    // Wine tells every window of the change; Windows tells only the dialog. The list is taken back
    // to what it knew before, and the dialog alone is told, as on Windows.
    list.m_crHighlight = original;
    ::SendMessageA(dlg, WM_SYSCOLORCHANGE, 0, 0);
    ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const COLORREF seen = PixelImage::OfClient(list).At(inside.x, inside.y);
    ::SetSysColors(1, &element, &original);
    EXPECT_EQ(changed, seen);
}
} // namespace
