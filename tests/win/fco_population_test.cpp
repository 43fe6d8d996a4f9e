// The FCO list of a real main dialog filled from a description file and the registry of the test prefix.
#include "app/FcoDlg.h"
#include "registry/TimeStamp.h"
#include "tests/common/Files.h"
#include "res/resource.h"
#include "tests/win/support/ScratchFolder.h"
#include "tests/win/support/StartupFiles.h"
#include "tests/win/support/TestRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
// The key FindFcoKey chooses when neither product's probe key exists.
const char kFcoKey[] = "SOFTWARE\\Velmora\\FCO";
const char kMachine[] = "TESTMACHINE";

// A row as the engineer sees it: tick, FCO, component, date, description.
using Row = std::vector<std::string>;

class FcoPopulationTest : public ::testing::Test {
protected:
    ProductKeysGuard guard;
    StartupFilesGuard startupFiles;
    ScratchFolder folder{"population"};
    CFcoDlg dlg;

    void SetUp() override { folder.Enter(); }
    void TearDown() override { dlg.DestroyWindow(); }

    // Creates the dialog over the catalogue given, or with no catalogue file when it is null.
    void Open(const char* catalogue)
    {
        if (catalogue)
            folder.WriteFile(std::string(kMachine) + ".txt", catalogue);
        dlg.m_strMachineName = kMachine;
        ASSERT_TRUE(dlg.Create());
    }

    std::vector<Row> Rows()
    {
        std::vector<Row> rows;
        CListCtrlFco& list = dlg.m_listFco;
        for (int row = 0; row < list.GetItemCount(); ++row)
            rows.push_back({std::to_string(list.GetCheckState(row, 0)), list.GetItemText(row, 1),
                            list.GetItemText(row, 2), list.GetItemText(row, 3), list.GetItemText(row, 4)});
        return rows;
    }

    std::string FcoDateLabel() const { return CWnd(dlg.GetDlgItem(IDC_STATIC_FCO_DATE)).GetWindowText(); }
};

TEST_F(FcoPopulationTest, ColumnsTakeTheirShareOfTheListWidth)
{
    Open("15/07/06\n");
    CListCtrlFco& list = dlg.m_listFco;

    const char* const titles[] = {"Status", "FCO", "Component/Activity", "Installation Date", "Description"};
    const int widths[] = {49, 82, 281, 99, 0};
    const int formats[] = {LVCFMT_CENTER, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_CENTER};
    ASSERT_EQ(list.GetColumnCount(), 5);
    for (int column = 0; column < 5; ++column) {
        char title[64] = {};
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        info.pszText = title;
        info.cchTextMax = sizeof(title);
        ASSERT_TRUE(list.SendMessage(LVM_GETCOLUMNA, column, (LPARAM)&info));
        EXPECT_STREQ(title, titles[column]);
        EXPECT_EQ(info.cx, widths[column]) << "column " << column;
        EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, formats[column]) << "column " << column;
    }

    // Loaded for the control's use but never attached: the check boxes are drawn by the control.
    EXPECT_EQ(list.m_imageList.GetImageCount(), 3);
    EXPECT_EQ(list.GetImageList(LVSIL_SMALL), nullptr);
}

TEST_F(FcoPopulationTest, RowsFollowTheFileWithTicksAndDatesFromTheNormalisedKey)
{
    ScopedTestKey key{kFcoKey};
    key.SetString("456", "15/07/06");
    key.SetString("999", "05/05/05");
    key.SetString("FCO458 late fix", "01/02/03 by engineer");
    const DWORD number = 1;
    key.SetRaw("460", REG_DWORD, &number, sizeof(number));
    const std::string longDescription = std::string(95, 'x') + " tail";
    const std::string catalogue =
        "15/07/06@catalogue\r\n"
        "\t456 @ Imaging head @New firmware for the head\r\n"
        "@--- Transport ---\r\n"
        "457@Loader@Replaces the loader belt\r\n"
        "458@Feeder@" + longDescription + "\r\n"
        "460@Dryer@Stored as a number\r\n"
        "END;\r\n"
        "999@After the end@never shown\r\n";

    Open(catalogue.c_str());

    std::string today;
    GetTimeStamp(today);
    // The pass turns the number into a string of today's date before the rows look it up.
    const std::vector<Row> expected = {
        {"1", "456", "Imaging head", "15/07/06", "New firmware for the head"},
        {"0", "457", "Loader", "", "Replaces the loader belt"},
        {"1", "458", "Feeder", "01/02/03", std::string(95, 'x') + "\ntail"},
        {"1", "460", "Dryer", today, "Stored as a number"}};
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(FcoDateLabel(), "FCO Date: 15/07/06");
}

TEST_F(FcoPopulationTest, MissingFileGivesEmptyListAndKeepsTheLabel)
{
    ScopedTestKey key{kFcoKey};
    key.SetString("456", "15/07/06");

    Open(nullptr);

    EXPECT_EQ(dlg.m_listFco.GetItemCount(), 0);
    EXPECT_EQ(FcoDateLabel(), "Static");
}

TEST_F(FcoPopulationTest, RemoveAllClearsEveryTickButNotTheRegistry)
{
    ScopedTestKey key{kFcoKey};
    key.SetString("456", "15/07/06");
    key.SetString("457", "16/07/06");
    Open("15/07/06\n456@A@a\n457@B@b\n");
    ASSERT_EQ(dlg.m_listFco.GetCheckState(0, 0), 1);
    ASSERT_EQ(dlg.m_listFco.GetCheckState(1, 0), 1);

    ::SendMessageA(dlg.GetDlgItem(IDC_BUTTON_REMOVE_ALL), BM_CLICK, 0, 0);

    EXPECT_EQ(dlg.m_listFco.GetCheckState(0, 0), 0);
    EXPECT_EQ(dlg.m_listFco.GetCheckState(1, 0), 0);
    EXPECT_EQ(ReadAllValues(kFcoKey).size(), 2u);
}

TEST_F(FcoPopulationTest, RefillingReplacesTheRowsFromTheRegistryAsItIsNow)
{
    ScopedTestKey key{kFcoKey};
    key.SetString("456", "15/07/06");
    Open("15/07/06\n456@A@a\n457@B@b\n");

    key.SetString("FCO457 restored", "20/08/07");
    HKEY hKey;
    ASSERT_EQ(::RegOpenKeyA(HKEY_LOCAL_MACHINE, kFcoKey, &hKey), ERROR_SUCCESS);
    ::RegDeleteValueA(hKey, "456");
    ::RegCloseKey(hKey);
    dlg.FillFcoRows();

    const std::vector<Row> expected = {{"0", "456", "A", "", "a"}, {"1", "457", "B", "20/08/07", "b"}};
    EXPECT_EQ(Rows(), expected);
}

// What the FCO list's first row shows each time the dialog is hidden or shown.
struct ShowWindowSeen {
    BOOL shown;
    int firstRowTicked;
};
std::vector<ShowWindowSeen> g_showWindowSeen;
WNDPROC g_dialogProc = nullptr;
CListCtrlFco* g_list = nullptr;

LRESULT CALLBACK RecordShowWindow(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SHOWWINDOW)
        g_showWindowSeen.push_back({(BOOL)wParam, g_list->GetCheckState(0, 0)});
    return ::CallWindowProcA(g_dialogProc, hWnd, msg, wParam, lParam);
}

// An engineer would otherwise watch every row rebuilt; the window is hidden before the first.
TEST_F(FcoPopulationTest, ARestoreRefillsTheListWhileTheDialogIsHidden)
{
    ScopedTestKey key{kFcoKey};
    key.SetString("456", "15/07/06");
    Open("15/07/06\n456@A@a\n");
    const std::vector<std::string> exports = ListFolder("c:\\FCObackup");
    ASSERT_EQ(1, std::count_if(exports.begin(), exports.end(), [](const std::string& name) {
                  return name.size() > 4 && name.compare(name.size() - 4, 4, ".reg") == 0;
              }));
    // Cleared on the screen only: the export still holds it, so the refill ticks it again.
    dlg.m_listFco.SetCheckState(0, 0, 0);
    dlg.ShowWindow(SW_SHOWNORMAL);
    g_showWindowSeen.clear();
    g_list = &dlg.m_listFco;
    g_dialogProc = (WNDPROC)::SetWindowLongPtrA(dlg, GWLP_WNDPROC, (LONG_PTR)RecordShowWindow);

    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_RESTORE, BN_CLICKED), 0);
    ::SetWindowLongPtrA(dlg, GWLP_WNDPROC, (LONG_PTR)g_dialogProc);

    ASSERT_EQ(2u, g_showWindowSeen.size());
    EXPECT_FALSE(g_showWindowSeen[0].shown);
    EXPECT_EQ(0, g_showWindowSeen[0].firstRowTicked);
    EXPECT_TRUE(g_showWindowSeen[1].shown);
    EXPECT_EQ(1, g_showWindowSeen[1].firstRowTicked);
    EXPECT_TRUE(::IsWindowVisible(dlg));
}

TEST_F(FcoPopulationTest, ReadingAFileLeavesTheRegistryAlone)
{
    ScopedTestKey key{kFcoKey};
    key.SetString("FCO456 not yet normal", "15/07/06 by engineer");
    Open(nullptr);
    key.SetString("FCO457 added later", "16/07/06 by engineer");
    const std::vector<RegistryValue> before = ReadAllValues(kFcoKey);
    folder.WriteFile("other.txt", "01/01/01\n456@A@a\n");

    dlg.ReadDescriptionFile("other.txt");

    EXPECT_EQ(dlg.m_listFco.GetItemCount(), 1);
    const std::vector<RegistryValue> after = ReadAllValues(kFcoKey);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].name, before[i].name);
        EXPECT_EQ(after[i].data, before[i].data);
    }
}

class IsFcoInRegistryTest : public ::testing::Test {
protected:
    ScopedTestKey key{"SOFTWARE\\MendwrightTests\\IsFcoInRegistry"};
    CFcoDlg dlg;

    IsFcoInRegistryTest() { dlg.m_strFcoKey = key.Path(); }
};

TEST_F(IsFcoInRegistryTest, AnswersOnlyForStringValues)
{
    const DWORD number = 1;
    key.SetString("456", "15/07/06");
    key.SetRaw("460", REG_DWORD, &number, sizeof(number));
    key.SetString("", "15/07/06");

    std::string date;
    EXPECT_TRUE(dlg.IsFcoInRegistry("456", date));
    EXPECT_EQ(date, "15/07/06");
    date = "stale";
    EXPECT_FALSE(dlg.IsFcoInRegistry("460", date));
    EXPECT_EQ(date, "");
    date = "stale";
    EXPECT_FALSE(dlg.IsFcoInRegistry("461", date));
    EXPECT_EQ(date, "");
    // The key's default value names no FCO.
    date.clear();
    EXPECT_FALSE(dlg.IsFcoInRegistry("", date));
    EXPECT_EQ(date, "");
}

TEST_F(IsFcoInRegistryTest, MissingKeyLeavesTheDateAlone)
{
    dlg.m_strFcoKey = key.Path() + "\\Missing";
    std::string date = "untouched";
    EXPECT_FALSE(dlg.IsFcoInRegistry("456", date));
    EXPECT_EQ(date, "untouched");
}
} // namespace
