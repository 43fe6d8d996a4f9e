// The main dialog's tooltips and appearance commands in a real dialog: the marked FCO's description, colour and font.
#include "app/FcoDlg.h"
#include "res/resource.h"
#include "tests/win/support/ScratchFolder.h"
#include "tests/win/support/StartupFiles.h"
#include "tests/win/support/TestRegistry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {
const char kDescription[] = "New firmware for the head";
const char kHint[] = "Click on the right button in order to get description for FCO";
// The colour dialog's red field; green and blue follow it.
const int kRedField = 706;

// Answers the common dialog that a command opens, from inside the dialog's modal loop.
HWND g_hWndMain = nullptr;
std::function<void(HWND)> g_answer;

BOOL CALLBACK AnswerIfCommonDialog(HWND hWnd, LPARAM)
{
    char className[16] = "";
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (hWnd == g_hWndMain || std::strcmp(className, "#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    std::function<void(HWND)> answer;
    answer.swap(g_answer);
    answer(hWnd);
    return FALSE;
}

void CALLBACK LookForCommonDialog(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_answer)
        ::EnumThreadWindows(::GetCurrentThreadId(), AnswerIfCommonDialog, 0);
}

LOGFONTA LogFontOf(HFONT hFont)
{
    LOGFONTA logFont = {};
    EXPECT_EQ(::GetObjectA(hFont, sizeof(logFont), &logFont), (int)sizeof(logFont));
    return logFont;
}

class FcoDlgTipsTest : public ::testing::Test {
protected:
    ProductKeysGuard guard;
    StartupFilesGuard startupFiles;
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

    // A hidden button's command; prepare sees the common dialog it opens before the button
    // is pressed. False when no dialog opened.
    bool Command(int nID, int nButton, std::function<void(HWND)> prepare = nullptr)
    {
        bool bAnswered = false;
        g_hWndMain = dlg.m_hWnd;
        g_answer = [&](HWND hDlg) {
            bAnswered = true;
            if (prepare)
                prepare(hDlg);
            ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nButton));
        };
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, LookForCommonDialog);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED));
        ::KillTimer(nullptr, timer);
        g_answer = nullptr;
        return bAnswered;
    }

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

TEST_F(FcoDlgTipsTest, TheColourCommandTakesTheChosenColourOnOkAndNothingOnCancel)
{
    ASSERT_TRUE(Command(IDC_BUTTON_COLOR, IDCANCEL));
    EXPECT_EQ(dlg.m_crTooltipBk, kTipSystemColor);
    EXPECT_EQ(dlg.m_wndRichTip.GetTipBkColor(), kTipSystemColor);

    ASSERT_TRUE(Command(IDC_BUTTON_COLOR, IDOK, [&](HWND hDlg) {
        ::SetDlgItemInt(hDlg, kRedField, 10, FALSE);
        ::SetDlgItemInt(hDlg, kRedField + 1, 20, FALSE);
        ::SetDlgItemInt(hDlg, kRedField + 2, 30, FALSE);
    }));
    EXPECT_EQ(dlg.m_crTooltipBk, RGB(10, 20, 30));
    EXPECT_EQ(dlg.m_wndRichTip.GetTipBkColor(), RGB(10, 20, 30));
}

TEST_F(FcoDlgTipsTest, TheFontCommandTakesTheFontAndTextColourOnOkAndNothingOnCancel)
{
    const HFONT before = dlg.m_fontTooltip;
    const HFONT tipBefore = dlg.m_wndRichTip.GetFont();
    ASSERT_TRUE(Command(IDC_BUTTON_FONT, IDCANCEL));
    EXPECT_EQ(dlg.m_crTooltipText, kTipSystemColor);
    EXPECT_EQ(dlg.m_wndRichTip.GetTipTextColor(), kTipSystemColor);
    EXPECT_EQ((HFONT)dlg.m_fontTooltip, before);
    EXPECT_EQ(dlg.m_wndRichTip.GetFont(), tipBefore);

    // OK hands the tip whatever colour the dialog answers.
    ASSERT_TRUE(Command(IDC_BUTTON_FONT, IDOK));
    EXPECT_EQ(dlg.m_wndRichTip.GetTipTextColor(), dlg.m_crTooltipText);

    // The dialog starts from the dialog's font and colour, and the tip takes what it answers.
    LOGFONTA bold = LogFontOf(dlg.m_fontTooltip);
    bold.lfWeight = FW_BOLD;
    dlg.m_fontTooltip.CreateFontIndirect(&bold);
    dlg.m_crTooltipText = RGB(128, 0, 0);
    ASSERT_TRUE(Command(IDC_BUTTON_FONT, IDOK));
    EXPECT_EQ(dlg.m_crTooltipText, RGB(128, 0, 0));
    EXPECT_EQ(dlg.m_wndRichTip.GetTipTextColor(), RGB(128, 0, 0));
    const LOGFONTA chosen = LogFontOf(dlg.m_fontTooltip);
    const LOGFONTA tipFont = LogFontOf(dlg.m_wndRichTip.GetFont());
    EXPECT_EQ(chosen.lfWeight, FW_BOLD);
    EXPECT_STREQ(chosen.lfFaceName, bold.lfFaceName);
    EXPECT_EQ(tipFont.lfWeight, FW_BOLD);
    EXPECT_STREQ(tipFont.lfFaceName, chosen.lfFaceName);
    EXPECT_EQ(tipFont.lfHeight, chosen.lfHeight);
}
} // namespace
