// The main dialog's frame in-process: the system menu's About entry and the information line's colour.
#include "app/FcoDlg.h"
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
} // namespace
