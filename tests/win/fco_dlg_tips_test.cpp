// The main dialog's tooltips in a real dialog: the marked FCO's description in the tip.
#include "app/FcoDlg.h"
#include "res/resource.h"
#include "tests/win/support/ScratchFolder.h"
#include "tests/win/support/TestRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const char kDescription[] = "New firmware for the head";
const char kHint[] = "Click on the right button in order to get description for FCO";

class FcoDlgTipsTest : public ::testing::Test {
protected:
    ProductKeysGuard guard;
    ScratchFolder folder{"tips"};
    CFcoDlg dlg;

    void SetUp() override
    {
        folder.Enter();
        folder.WriteFile("TIPS.txt", std::string("15/07/06\n456@Imaging head@") + kDescription + "\n457@Loader@\n");
        dlg.m_strMachineName = "TIPS";
        ASSERT_TRUE(dlg.Create());
        dlg.ShowWindow(SW_SHOW);
        dlg.UpdateWindow();
    }
    void TearDown() override { dlg.DestroyWindow(); }

    // A right click on a row as the list reports it: the mark moves, the button-down passes
    // through the dialog's loop, the list notifies.
    void RightClickRow(int row)
    {
        CListCtrlFco& list = dlg.m_listFco;
        RECT cell;
        ASSERT_TRUE(list.GetCellRect(row, 2, LVIR_BOUNDS, &cell));
        POINT point = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        ::ClientToScreen(list.m_hWnd, &point);
        ::SetCursorPos(point.x, point.y);
        LVITEMA state = {};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        list.SendMessage(LVM_SETITEMSTATE, row, (LPARAM)&state);
        list.SendMessage(LVM_SETSELECTIONMARK, 0, row);
        MSG down = {list.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, 0, ::GetTickCount(), point};
        dlg.PreTranslateMessage(&down);
        Notify(NM_RCLICK);
    }

    void Notify(UINT code)
    {
        NMHDR header = {dlg.m_listFco.m_hWnd, IDC_LIST_FCO, code};
        dlg.SendMessage(WM_NOTIFY, IDC_LIST_FCO, (LPARAM)&header);
    }

    // The dialog's loop runs, with the tip's real initial delay, until the tip shows.
    bool TipShows()
    {
        const DWORD start = ::GetTickCount();
        while (!::IsWindowVisible(dlg.m_wndRichTip.m_hWnd) && ::GetTickCount() - start < 3000) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (!dlg.PreTranslateMessage(&msg)) {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                }
            }
        }
        return ::IsWindowVisible(dlg.m_wndRichTip.m_hWnd) != FALSE;
    }
};

TEST_F(FcoDlgTipsTest, TheListsTipShowsTheDescriptionOfTheRightClickedRow)
{
    // Bottom up, so that no tip covers the next row.
    ASSERT_NO_FATAL_FAILURE(RightClickRow(1));
    EXPECT_STREQ(dlg.m_szDescription, "") << "a right click puts no hint in";
    ASSERT_TRUE(TipShows());
    EXPECT_EQ(dlg.m_wndRichTip.GetWindowText(), std::string("Description: ") + kHint);
    Notify(NM_CLICK);
    EXPECT_STREQ(dlg.m_szDescription, kHint);

    ASSERT_NO_FATAL_FAILURE(RightClickRow(0));
    EXPECT_STREQ(dlg.m_szDescription, kDescription);
    ASSERT_TRUE(TipShows());
    EXPECT_EQ(dlg.m_wndRichTip.GetWindowText(), std::string("Description: ") + kDescription);
}

} // namespace
