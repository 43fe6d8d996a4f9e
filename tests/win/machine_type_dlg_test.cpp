// The machine type picker driven in-process: listing, automatic acceptance, both modes and OK/Cancel.
#include "maintenance/MachineTypeDlg.h"
#include "res/resource.h"
#include "tests/win/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> ComboItems(const CComboBox& combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo.GetCount(); ++i)
        items.push_back(combo.GetLBText(i));
    return items;
}

std::string DlgItemText(HWND dialog, int id)
{
    char text[256] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

// Answers the first message box of this thread from inside its own modal loop.
struct MessageBoxAnswer {
    static std::string caption;
    static std::string text;
    static BOOL CALLBACK Find(HWND window, LPARAM found)
    {
        char className[32] = {};
        ::GetClassNameA(window, className, sizeof(className));
        if (std::string(className) == "#32770" && ::IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD)
    {
        HWND box = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), Find, (LPARAM)&box);
        if (!box)
            return;
        ::KillTimer(nullptr, id);
        char buffer[512] = {};
        ::GetWindowTextA(box, buffer, sizeof(buffer));
        caption = buffer;
        ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof(buffer));
        text = buffer;
        ::SendMessageA(box, WM_COMMAND, IDOK, 0);
    }
};
std::string MessageBoxAnswer::caption;
std::string MessageBoxAnswer::text;

// Presses OK with an empty edit field; the message box it raises is answered and recorded.
void PressOkWithEmptyName(CMachineTypeDlg& dlg)
{
    MessageBoxAnswer::caption.clear();
    MessageBoxAnswer::text.clear();
    dlg.m_comboNames.SetWindowText("");
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, MessageBoxAnswer::OnTimer);
    ::SendMessageA(::GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
    ::KillTimer(nullptr, timer);
}

// Ends a modal picker that should never have been shown, so a fault cannot hang the run.
void CALLBACK CancelStrayPicker(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    HWND picker = ::FindWindowA("#32770", nullptr);
    if (picker)
        ::PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
}

class MachineTypeDlgTest : public ::testing::Test {
protected:
    ScratchFolder folder{"picker"};
    void SetUp() override { folder.Enter(); }

    // A machine-type picker over a.txt and b.txt, shown because there is a choice.
    bool OpenWithTwoNames(CMachineTypeDlg& dlg)
    {
        folder.WriteFile("a.txt");
        folder.WriteFile("b.txt");
        dlg.m_bMachineType = TRUE;
        return dlg.Create();
    }

    INT_PTR RunModal(CMachineTypeDlg& dlg)
    {
        const UINT_PTR guard = ::SetTimer(nullptr, 0, 5000, CancelStrayPicker);
        const INT_PTR result = dlg.DoModal();
        ::KillTimer(nullptr, guard);
        return result;
    }
};

TEST_F(MachineTypeDlgTest, ListsTheBaseNamesOfTxtFilesSortedWithTheFirstSelected)
{
    for (const char* name : {"b.txt", "a.txt", "c.d.txt", "notes.txt.bak", "upper.TXT", "report.xtxt"})
        folder.WriteFile(name);
    folder.WriteFile(std::string(120, 'L') + ".txt");
    folder.MakeFolder("sub.txt");

    CMachineTypeDlg dlg;
    dlg.m_bMachineType = TRUE;
    ASSERT_TRUE(dlg.Create());
    EXPECT_FALSE(dlg.HasEnded());
    EXPECT_EQ(dlg.GetWindowText(), "Machine Type");
    EXPECT_EQ(DlgItemText(dlg, IDC_STATIC_PROMPT), "Select machine type:");
    // A name ending in "txt" without a dot before it counts too; the over-long one is skipped.
    EXPECT_EQ(ComboItems(dlg.m_comboNames), (std::vector<std::string>{"a", "b", "c", "report", "sub"}));
    EXPECT_EQ(dlg.m_comboNames.GetWindowText(), "a");
    const LONG style = ::GetWindowLongA(dlg.m_comboNames, GWL_STYLE);
    EXPECT_EQ(style & (CBS_DROPDOWN | CBS_SORT), CBS_DROPDOWN | CBS_SORT);
    dlg.DestroyWindow();
}

TEST_F(MachineTypeDlgTest, OneOrNoNameIsAcceptedWithoutShowingThePicker)
{
    {
        CMachineTypeDlg dlg;
        dlg.m_bMachineType = TRUE;
        EXPECT_EQ(RunModal(dlg), IDOK);
        EXPECT_EQ(dlg.m_strSelection, "");
    }
    folder.WriteFile("QX-200.txt");
    {
        CMachineTypeDlg dlg;
        dlg.m_bMachineType = TRUE;
        EXPECT_EQ(RunModal(dlg), IDOK);
        EXPECT_EQ(dlg.m_strSelection, "QX-200");
    }
}

TEST_F(MachineTypeDlgTest, AFolderThatCannotBeListedGivesTheEmptyName)
{
    ScratchFolder missing("picker-missing");
    missing.Enter();
    ::RemoveDirectoryA(missing.Path().c_str());
    CMachineTypeDlg dlg;
    dlg.m_bMachineType = TRUE;
    EXPECT_EQ(RunModal(dlg), IDOK);
    EXPECT_EQ(dlg.m_strSelection, "");
}

TEST_F(MachineTypeDlgTest, OkTakesWhateverTheEditFieldHoldsAndRefusesItEmpty)
{
    CMachineTypeDlg dlg;
    ASSERT_TRUE(OpenWithTwoNames(dlg));

    PressOkWithEmptyName(dlg);
    EXPECT_EQ(MessageBoxAnswer::caption, "Question");
    EXPECT_EQ(MessageBoxAnswer::text, "Choose Type  Machine !");
    EXPECT_FALSE(dlg.HasEnded());
    EXPECT_EQ(dlg.m_strSelection, "");

    dlg.m_comboNames.SetWindowText(" typed, not listed ");
    ::SendMessageA(::GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(dlg.HasEnded());
    EXPECT_EQ(dlg.GetResult(), IDOK);
    EXPECT_EQ(dlg.m_strSelection, " typed, not listed ");
    dlg.DestroyWindow();
}

TEST_F(MachineTypeDlgTest, CancelLeavesTheSelectionEmpty)
{
    CMachineTypeDlg dlg;
    ASSERT_TRUE(OpenWithTwoNames(dlg));
    ::SendMessageA(::GetDlgItem(dlg, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(dlg.HasEnded());
    EXPECT_EQ(dlg.GetResult(), IDCANCEL);
    EXPECT_EQ(dlg.m_strSelection, "");
    dlg.DestroyWindow();
}

// The backup folder is a fixed path; the test owns it while it runs.
class RestoreModeTest : public ::testing::Test {
protected:
    const std::string backup = "c:\\FCObackup\\";
    std::vector<std::string> created;

    void SetUp() override { ::CreateDirectoryA("c:\\FCObackup", nullptr); }
    void TearDown() override
    {
        for (const std::string& name : created)
            ::DeleteFileA((backup + name).c_str());
    }
    void Add(const std::string& name)
    {
        HANDLE file = ::CreateFileA((backup + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ::CloseHandle(file);
        created.push_back(name);
    }
    // The last matching name in the order the folder itself lists them.
    std::string LastListed()
    {
        std::string last;
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA((backup + "*.*").c_str(), &data);
        while (find != INVALID_HANDLE_VALUE && ::FindNextFileA(find, &data)) {
            const std::string name = data.cFileName;
            if (name.size() >= 3 && name.compare(name.size() - 3, 3, "reg") == 0)
                last = name.substr(0, name.find('.'));
        }
        ::FindClose(find);
        return last;
    }
};

// Names carry the date as dd-mm-yy and NTFS lists them sorted: neither tells the newest backup.
TEST_F(RestoreModeTest, ListsExportFilesPreselectsTheOneWrittenLastAndShowsWholeNames)
{
    const char* const names[] = {"Tallyroll_14-03-06  09-05-12-AM.reg", "Tallyroll_15-03-06  10-00-00-PM.reg",
                                 "a.b.reg", "notes.reg.bak", "UPPER.REG"};
    for (const char* name : names)
        Add(name);
    // Written in the order of the days below: the 14th last of all, though its name sorts first.
    const int days[] = {20, 10, 5, 25, 25};
    for (std::size_t i = 0; i < created.size(); ++i) {
        SYSTEMTIME when = {2006, 3, 0, (WORD)days[i], 12, 0, 0, 0};
        FILETIME written;
        ::SystemTimeToFileTime(&when, &written);
        const HANDLE file = ::CreateFileA((backup + created[i]).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_TRUE(::SetFileTime(file, nullptr, nullptr, &written));
        ::CloseHandle(file);
    }

    CMachineTypeDlg dlg;
    dlg.m_bMachineType = FALSE;
    ASSERT_TRUE(dlg.Create());
    EXPECT_FALSE(dlg.HasEnded());
    EXPECT_EQ(dlg.GetWindowText(), "Select restore name");
    EXPECT_EQ(DlgItemText(dlg, IDC_STATIC_PROMPT), "Select registry file:");
    std::vector<std::string> items = ComboItems(dlg.m_comboNames);
    // A sorted combo box sorts without regard to case.
    EXPECT_EQ(items, (std::vector<std::string>{"a", "Tallyroll_14-03-06  09-05-12-AM",
                                               "Tallyroll_15-03-06  10-00-00-PM"}));
    EXPECT_EQ(dlg.m_comboNames.GetWindowText(), "Tallyroll_14-03-06  09-05-12-AM");

    // The open list shows the longest name whole, inside its borders and beside the scroll bar it
    // has once the folder holds more backups than it shows at once.
    const HDC dc = ::GetDC(dlg.m_comboNames);
    const HGDIOBJ old = ::SelectObject(dc, (HGDIOBJ)dlg.m_comboNames.SendMessage(WM_GETFONT));
    SIZE longest = {};
    ::GetTextExtentPoint32A(dc, items[2].c_str(), (int)items[2].size(), &longest);
    ::SelectObject(dc, old);
    ::ReleaseDC(dlg.m_comboNames, dc);
    EXPECT_GE(dlg.m_comboNames.GetDroppedWidth(),
              longest.cx + 2 * ::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXVSCROLL));

    PressOkWithEmptyName(dlg);
    EXPECT_EQ(MessageBoxAnswer::text, "Choose Name  File Name !");
    dlg.DestroyWindow();
}

TEST_F(RestoreModeTest, ASingleExportFileIsRestoredWithoutAsking)
{
    const std::string before = LastListed();
    if (!before.empty())
        GTEST_SKIP() << "c:\\FCObackup already holds export files";
    Add("Tallyroll_14-03-06  09-05-12-AM.reg");
    CMachineTypeDlg dlg;
    dlg.m_bMachineType = FALSE;
    const UINT_PTR guard = ::SetTimer(nullptr, 0, 5000, CancelStrayPicker);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ::KillTimer(nullptr, guard);
    EXPECT_EQ(dlg.m_strSelection, "Tallyroll_14-03-06  09-05-12-AM");
}
} // namespace
