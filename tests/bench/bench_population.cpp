// Figures for the normalising pass, the filling of the FCO list and the start-up, each beside the
// cheapest correct way to do the same work here, measured in the same run.
#include "app/FcoDlg.h"
#include "framework/Strings.h"
#include "registry/FcoValues.h"
#include "res/resource.h"
#include "tests/bench/BenchSupport.h"
#include "tests/common/Files.h"
#include "tests/win/support/ScratchFolder.h"
#include "tests/win/support/StartupFiles.h"
#include "tests/win/support/TestRegistry.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace {
using namespace bench;

const int kValueCount = 1000;
const char kBenchKey[] = "SOFTWARE\\MendwrightBench\\FCO";

// ---------------------------------------------------------------------------------------------
// The registry floor: what any rewrite of the key must do.

// Enumerate and read every value, delete the key, write every value back; answers what it read.
std::unordered_map<std::string, std::string> BareRewrite(const char* path)
{
    std::unordered_map<std::string, std::string> read;
    HKEY key;
    if (::RegOpenKeyA(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
        return read;
    DWORD count = 0, longestName = 0, longestData = 0;
    ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName,
                       &longestData, nullptr, nullptr);
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<char> name(longestName + 1);
    std::vector<char> data(longestData + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD nameSize = (DWORD)name.size();
        ::RegEnumValueA(key, i, name.data(), &nameSize, nullptr, nullptr, nullptr, nullptr);
        DWORD type = 0, dataSize = (DWORD)data.size();
        ::RegQueryValueExA(key, name.data(), nullptr, &type, (BYTE*)data.data(), &dataSize);
        values.emplace_back(std::string(name.data(), nameSize), std::string(data.data()));
    }
    ::RegDeleteKeyA(key, "");
    ::RegCloseKey(key);
    if (::RegCreateKeyA(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
        return read;
    for (const auto& value : values) {
        ::RegSetValueExA(key, value.first.c_str(), 0, REG_SZ, (const BYTE*)value.second.c_str(),
                         (DWORD)value.second.size() + 1);
        read[value.first] = value.second;
    }
    ::RegCloseKey(key);
    return read;
}

void BenchNormalisingPass()
{
    std::vector<double> pass, bare;
    {
        StdoutToFile diagnostics;
        for (int r = 0; r < kRepeats; ++r) {
            SeedInstallerKey(kBenchKey, kValueCount);
            pass.push_back(Seconds([] { NormaliseFcoKey(HKEY_LOCAL_MACHINE, kBenchKey, "31/12/99", stdout); }));
            SeedInstallerKey(kBenchKey, kValueCount);
            bare.push_back(Seconds([] { BareRewrite(kBenchKey); }));
        }
    }
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\MendwrightBench");

    std::printf("Normalising pass, key of %d values (diagnostics to a file), median of %d:\n", kValueCount,
                kRepeats);
    Report("NormaliseFcoKey", pass, bare, "enumerate-read-rewrite");
}

// ---------------------------------------------------------------------------------------------
// The list floor: a plain report list of the same shape, filled the cheapest way.

using Rows = std::vector<std::vector<std::string>>;

void InsertPlainColumns(HWND hWndList)
{
    const int widths[] = {49, 82, 281, 99, 0};
    for (int column = 0; column < 5; ++column) {
        LVCOLUMNA info = {};
        info.mask = LVCF_WIDTH | LVCF_TEXT;
        info.cx = widths[column];
        info.pszText = const_cast<char*>("column");
        ::SendMessageA(hWndList, LVM_INSERTCOLUMNA, column, (LPARAM)&info);
    }
}

// Redraw off around the loop, one insertion per row carrying its item data, the other columns'
// texts set, one invalidation at the end.
void FillPlainList(HWND hWndList, const Rows& rows)
{
    ::SendMessageA(hWndList, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(hWndList, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < (int)rows.size(); ++row) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.pszText = const_cast<char*>(rows[row][0].c_str());
        item.lParam = row;
        ::SendMessageA(hWndList, LVM_INSERTITEMA, 0, (LPARAM)&item);
        for (int column = 1; column < 5; ++column) {
            LVITEMA text = {};
            text.iSubItem = column;
            text.pszText = const_cast<char*>(rows[row][column].c_str());
            ::SendMessageA(hWndList, LVM_SETITEMTEXTA, row, (LPARAM)&text);
        }
    }
    ::SendMessageA(hWndList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hWndList, nullptr, TRUE);
}

// The plain list's parent: it tells the list view that nothing needs to hear of each deleted row.
LRESULT CALLBACK PlainParentProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_DELETEALLITEMS)
        return TRUE;
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

struct PlainList {
    HWND hWndParent = nullptr;
    HWND hWndList = nullptr;

    explicit PlainList(bool virtualList)
    {
        WNDCLASSA parentClass = {};
        parentClass.lpfnWndProc = PlainParentProc;
        parentClass.hInstance = ::GetModuleHandleA(nullptr);
        parentClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        parentClass.lpszClassName = "MendwrightBenchPlainParent";
        ::RegisterClassA(&parentClass);
        hWndParent = ::CreateWindowExA(0, parentClass.lpszClassName, "plain", WS_POPUP | WS_CAPTION, 600, 0, 560, 460, nullptr,
                                       nullptr, ::GetModuleHandleA(nullptr), nullptr);
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                            LVS_NOSORTHEADER | (virtualList ? LVS_OWNERDATA : 0);
        hWndList = ::CreateWindowExA(0, WC_LISTVIEWA, "", style, 4, 48, 532, 380, hWndParent, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(hWndList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
        InsertPlainColumns(hWndList);
    }
    ~PlainList() { ::DestroyWindow(hWndParent); }
};

struct FillFigures {
    std::vector<double> fill, plain, virtualList;
};

// FillFcoRows against filling the plain list with the texts it produced, alternately.
FillFigures MeasureFill(CFcoDlg& dlg, PlainList& plain, PlainList& owner, int rows, bool shown)
{
    ScratchFolder folder("bench_population");
    folder.Enter();
    folder.WriteFile(std::string(kMachine) + ".txt", Catalogue(rows));
    SeedDialogKey(rows);
    const int showCommand = shown ? SW_SHOWNOACTIVATE : SW_HIDE;
    ::ShowWindow(dlg, showCommand);
    ::ShowWindow(plain.hWndParent, showCommand);
    ::ShowWindow(owner.hWndParent, showCommand);

    FillFigures figures;
    dlg.FillFcoRows();
    CListCtrlFco& list = dlg.m_listFco;
    Rows texts(list.GetItemCount());
    for (int row = 0; row < (int)texts.size(); ++row)
        for (int column = 0; column < 5; ++column)
            texts[row].push_back(list.GetItemText(row, column));
    for (int r = 0; r < kRepeats; ++r) {
        // Painting is part of the work on screen; each side pays its own before the clock stops.
        SeedDialogKey(rows);
        figures.fill.push_back(Seconds([&] {
            dlg.FillFcoRows();
            ::UpdateWindow(dlg);
        }));
        SeedDialogKey(rows);
        figures.plain.push_back(Seconds([&] {
            BareRewrite(kDialogFcoKey);
            FillPlainList(plain.hWndList, texts);
            ::UpdateWindow(plain.hWndParent);
        }));
        figures.virtualList.push_back(Seconds([&] {
            ::SendMessageA(owner.hWndList, LVM_SETITEMCOUNT, texts.size(), 0);
            ::InvalidateRect(owner.hWndList, nullptr, TRUE);
            ::UpdateWindow(owner.hWndParent);
        }));
    }
    return figures;
}

void BenchListFilling()
{
    const int sizes[] = {1000, 10000};
    std::vector<std::pair<std::string, FillFigures>> results;
    {
        StdoutToFile diagnostics;
        const StartupFilesGuard startupFiles;
        CFcoDlg dlg;
        dlg.m_strMachineName = kMachine;
        PlainList plain(false), owner(true);
        if (dlg.Create()) {
            dlg.m_listFco.SetWindowPos(nullptr, 4, 48, 532, 380, 0);
            for (const bool shown : {false, true})
                for (const int rows : sizes)
                    results.emplace_back(FormatString("%s, %5d rows", shown ? "on screen" : "hidden   ", rows),
                                         MeasureFill(dlg, plain, owner, rows, shown));
            dlg.DestroyWindow();
        }
    }
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora");

    if (results.empty()) {
        std::printf("List filling: the dialog could not be created (no display?)\n");
        return;
    }
    std::printf("List filling (every tenth FCO installed), median of %d. FillFcoRows (the normalising pass\n"
                "and the rows) against the floor: the registry's enumerate-read-rewrite and a plain report\n"
                "list filled with redraw off and item data in the insert; a virtual list for reference:\n",
                kRepeats);
    for (const auto& result : results)
        Report("FillFcoRows " + result.first, result.second.fill, result.second.plain, "floor");
    for (const auto& result : results)
        Report("virtual list " + result.first, result.second.virtualList, result.second.plain, "floor");
    const double hidden1k = Median(results[0].second.fill), hidden10k = Median(results[1].second.fill);
    const double shown1k = Median(results[2].second.fill), shown10k = Median(results[3].second.fill);
    std::printf("  growth from 1,000 to 10,000 rows: hidden %.1f times, on screen %.1f times\n",
                hidden10k / hidden1k, shown10k / shown1k);
}

// ---------------------------------------------------------------------------------------------
// Start-up to the visible dialog, from outside, against a bare dialog doing the same pass and fill.

// The bare dialog: the main dialog's own template, the key's backup by the registry editor started
// directly, the registry floor over the FCO key, the catalogue split at '@' into a plain report
// list with redraw off, then shown.
INT_PTR CALLBACK BareDialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        ::CreateDirectoryA("c:\\FCObackup", nullptr);
        RunRegistryEditor(FormatString("/e \"c:\\FCObackup\\bare.reg\" \"HKEY_LOCAL_MACHINE\\%s\"", kDialogFcoKey));
        const HWND list = ::GetDlgItem(hWnd, IDC_LIST_FCO);
        ::SetWindowPos(list, nullptr, 4, 48, 532, 380, 0);
        ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
        InsertPlainColumns(list);
        const std::unordered_map<std::string, std::string> installed = BareRewrite(kDialogFcoKey);

        std::string text;
        if (std::FILE* file = std::fopen((const char*)lParam, "rb")) {
            char buffer[65536];
            for (size_t got; (got = std::fread(buffer, 1, sizeof(buffer), file)) > 0;)
                text.append(buffer, got);
            std::fclose(file);
        }
        Rows rows;
        size_t position = text.find('\n');
        while (position != std::string::npos && position + 1 < text.size()) {
            const size_t end = text.find('\n', position + 1);
            const std::string line = text.substr(position + 1, end - position - 1);
            position = end;
            if (line.compare(0, 4, "END;") == 0)
                break;
            const size_t at1 = line.find('@'), at2 = line.find('@', at1 + 1);
            const std::string id = line.substr(0, at1);
            const auto date = installed.find(id);
            rows.push_back({"", id, line.substr(at1 + 1, at2 - at1 - 1),
                            date == installed.end() ? "" : date->second, line.substr(at2 + 1)});
        }
        FillPlainList(list, rows);
        return TRUE;
    }
    if (msg == WM_CLOSE)
        ::PostQuitMessage(0);
    return FALSE;
}

int RunBareDialog(const char* catalogue)
{
    ::InitCommonControls();
    const HWND dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                             BareDialogProc, (LPARAM)catalogue);
    if (!dialog)
        return 1;
    ::ShowWindow(dialog, SW_SHOWNORMAL);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        if (!::IsDialogMessageA(dialog, &msg))
            ::DispatchMessageA(&msg);
    return 0;
}

void BenchStartUp()
{
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string mendwright = "\"" + ThisFolder() + "Mendwright.exe\"";
    PlaceEnvironmentFiles();

    std::printf("Start-up to the visible main dialog (Mendwright.exe polled from this process) against a bare\n"
                "dialog of the same template doing the backup, the registry floor and the plain-list fill,\n"
                "median of %d:\n",
                kRepeats);
    // The demo's four installed FCOs; then a key of 1,000 values under catalogues of 1,000 and 10,000.
    const std::pair<int, int> cases[] = {{12, 4}, {1000, 1000}, {10000, 1000}};
    for (const auto& sizes : cases) {
        const int rows = sizes.first;
        ScratchFolder folder("bench_startup");
        const std::string catalogue = std::string(kMachine) + ".txt";
        folder.WriteFile(catalogue, Catalogue(rows));
        const std::string bare = FormatString("\"%s\" --bare-dialog %s", self, catalogue.c_str());
        std::vector<double> program, baseline;
        std::vector<double> programMemory, baselineMemory;
        for (int r = 0; r < kRepeats; ++r) {
            SeedDialogKey(rows, sizes.second);
            const StartUp ours = TimeStartUp(mendwright, folder.Path());
            SeedDialogKey(rows, sizes.second);
            const StartUp theirs = TimeStartUp(bare, folder.Path());
            program.push_back(ours.seconds);
            baseline.push_back(theirs.seconds);
            programMemory.push_back((double)ours.peakWorkingSet);
            baselineMemory.push_back((double)theirs.peakWorkingSet);
        }
        Report(FormatString("start-up, %5d rows, %4d values", rows, sizes.second), program, baseline,
               "bare dialog");
        const double ours = Median(programMemory), theirs = Median(baselineMemory);
        std::printf("  %-46s %9.1f MB   bare dialog %9.1f MB   ratio %5.2f\n",
                    FormatString("peak working set, %5d rows", rows).c_str(), ours / 1048576, theirs / 1048576,
                    theirs > 0 ? ours / theirs : 0.0);
        std::fflush(stdout);
    }
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora");
    RemoveEnvironmentFiles();
    RemoveTree("c:\\FCObackup");
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--bare-dialog") == 0)
        return RunBareDialog(argv[2]);
    ::InitCommonControls();
    BenchNormalisingPass();
    BenchListFilling();
    BenchStartUp();
    return 0;
}
