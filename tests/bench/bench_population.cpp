// Figures for the normalising pass and the filling of the FCO list, each against the bare calls it is built on.
#include "app/FcoDlg.h"
#include "framework/Strings.h"
#include "registry/FcoValues.h"
#include "registry/TimeStamp.h"
#include "tests/win/support/ScratchFolder.h"
#include "tests/win/support/TestRegistry.h"

#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {
const int kRepeats = 5;
const int kValueCount = 1000;
// The catalogue sizes may be given as arguments, to see how the times grow. On screen every
// inserted row is repainted, so the shown case uses a smaller catalogue to keep the run short.
int kCatalogueRows = 10000;
int kShownRows = 1000;
const char kBenchKey[] = "SOFTWARE\\MendwrightBench\\FCO";
// The key the dialog chooses when neither product's probe key exists.
const char kDialogFcoKey[] = "SOFTWARE\\Velmora\\FCO";
const char kMachine[] = "BENCH";

double Seconds(const std::function<void()>& work)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    work();
    ::QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void Report(const char* what, const std::vector<double>& measured, const std::vector<double>& baseline)
{
    const double m = Median(measured);
    const double b = Median(baseline);
    std::printf("%-58s %9.1f ms   baseline %9.1f ms   ratio %.2f\n", what, m * 1000, b * 1000, m / b);
}

// The FCO key as installers leave it: remarks after names and dates, some dates missing.
void SeedInstallerKey(const char* path)
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, path);
    HKEY key;
    if (::RegCreateKeyA(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < kValueCount; ++i) {
        char name[64], data[64];
        std::snprintf(name, sizeof(name), "FCO%05d remote support", i);
        std::snprintf(data, sizeof(data), i % 7 ? "15/07/06 by engineer %d" : "yes %d", i);
        ::RegSetValueExA(key, name, 0, REG_SZ, (const BYTE*)data, (DWORD)strlen(data) + 1);
    }
    ::RegCloseKey(key);
}

// What any rewrite of the key must do: read every name and datum, delete the key, write each back.
void BareRewrite(const char* path)
{
    HKEY key;
    if (::RegOpenKeyA(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
        return;
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
        return;
    for (const auto& value : values)
        ::RegSetValueExA(key, value.first.c_str(), 0, REG_SZ, (const BYTE*)value.second.c_str(),
                         (DWORD)value.second.size() + 1);
    ::RegCloseKey(key);
}

void BenchNormalisingPass()
{
    char folder[MAX_PATH], path[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    ::GetTempFileNameA(folder, "mwb", 0, path);
    std::FILE* diagnostics = std::fopen(path, "w");

    std::vector<double> pass, bare;
    for (int r = 0; r < kRepeats; ++r) {
        SeedInstallerKey(kBenchKey);
        pass.push_back(Seconds([&] { NormaliseFcoKey(HKEY_LOCAL_MACHINE, kBenchKey, "31/12/99", diagnostics); }));
        SeedInstallerKey(kBenchKey);
        bare.push_back(Seconds([] { BareRewrite(kBenchKey); }));
    }
    std::fclose(diagnostics);
    ::DeleteFileA(path);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\MendwrightBench");

    std::printf("Normalising pass, key of %d values, median of %d:\n", kValueCount, kRepeats);
    Report("  NormaliseFcoKey (diagnostics to a file)", pass, bare);
}

// A plain report list of the same size, in a window of its own.
struct PlainList {
    HWND hWndParent = nullptr;
    HWND hWndList = nullptr;

    PlainList()
    {
        hWndParent = ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP | WS_CAPTION, 0, 0, 700, 500, nullptr,
                                       nullptr, ::GetModuleHandleA(nullptr), nullptr);
        hWndList = ::CreateWindowExA(0, WC_LISTVIEWA, "",
                                     WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                                         LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                                     4, 48, 532, 380, hWndParent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(hWndList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
        const int widths[] = {49, 82, 281, 99, 0};
        for (int column = 0; column < 5; ++column) {
            LVCOLUMNA info = {};
            info.mask = LVCF_WIDTH | LVCF_TEXT;
            info.cx = widths[column];
            info.pszText = const_cast<char*>("column");
            ::SendMessageA(hWndList, LVM_INSERTCOLUMNA, column, (LPARAM)&info);
        }
    }
    ~PlainList() { ::DestroyWindow(hWndParent); }

    void Fill(const std::vector<std::vector<std::string>>& rows)
    {
        ::SendMessageA(hWndList, LVM_DELETEALLITEMS, 0, 0);
        for (int row = 0; row < (int)rows.size(); ++row) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = const_cast<char*>(rows[row][0].c_str());
            ::SendMessageA(hWndList, LVM_INSERTITEMA, 0, (LPARAM)&item);
            for (int column = 1; column < 5; ++column) {
                LVITEMA text = {};
                text.iSubItem = column;
                text.pszText = const_cast<char*>(rows[row][column].c_str());
                ::SendMessageA(hWndList, LVM_SETITEMTEXTA, row, (LPARAM)&text);
            }
        }
    }
};

std::string Catalogue(int rows)
{
    std::string text = "15/07/06@bench catalogue\r\n";
    for (int i = 0; i < rows; ++i) {
        char line[200];
        std::snprintf(line, sizeof(line),
                      "%05d@Component %d@Replaces part %d of the assembly and brings the firmware of the "
                      "unit to the level of the series.\r\n",
                      i, i % 37, i);
        text += line;
    }
    return text + "END;\r\n";
}

// Every tenth FCO of the catalogue installed, in normal form.
void SeedDialogKey(int rows)
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Palvane");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora");
    HKEY key;
    if (::RegCreateKeyA(HKEY_LOCAL_MACHINE, kDialogFcoKey, &key) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < rows; i += 10) {
        char name[16];
        std::snprintf(name, sizeof(name), "%05d", i);
        ::RegSetValueExA(key, name, 0, REG_SZ, (const BYTE*)"15/07/06", 9);
    }
    ::RegCloseKey(key);
}

// FillFcoRows against filling the plain list with the texts it produced, alternately.
void MeasureFill(CFcoDlg& dlg, PlainList& plain, std::vector<double>& fill, std::vector<double>& bare)
{
    dlg.FillFcoRows();
    CListCtrlFco& list = dlg.m_listFco;
    std::vector<std::vector<std::string>> rows(list.GetItemCount());
    for (int row = 0; row < (int)rows.size(); ++row)
        for (int column = 0; column < 5; ++column)
            rows[row].push_back(list.GetItemText(row, column));
    for (int r = 0; r < kRepeats; ++r) {
        fill.push_back(Seconds([&] { dlg.FillFcoRows(); }));
        bare.push_back(Seconds([&] { plain.Fill(rows); }));
    }
}

void BenchListFilling()
{
    ScratchFolder folder("bench_population");
    folder.Enter();
    const std::string file = std::string(kMachine) + ".txt";

    // The pass lists every value on standard output; these figures should not drown in it.
    std::fflush(stdout);
    const int savedStdout = _dup(1);
    const int nul = _open("NUL", _O_WRONLY);
    _dup2(nul, 1);

    std::vector<double> hiddenFill, hiddenBare, shownFill, shownBare;
    {
        CFcoDlg dlg;
        dlg.m_strMachineName = kMachine;
        PlainList plain;
        if (dlg.Create()) {
            // At start-up the list is filled before the dialog is shown.
            folder.WriteFile(file, Catalogue(kCatalogueRows));
            SeedDialogKey(kCatalogueRows);
            MeasureFill(dlg, plain, hiddenFill, hiddenBare);

            // On screen every inserted row costs a repaint, in the plain list as much as in ours.
            folder.WriteFile(file, Catalogue(kShownRows));
            SeedDialogKey(kShownRows);
            ::ShowWindow(dlg, SW_SHOWNORMAL);
            ::ShowWindow(plain.hWndParent, SW_SHOWNOACTIVATE);
            MeasureFill(dlg, plain, shownFill, shownBare);
            dlg.DestroyWindow();
        }
    }

    std::fflush(stdout);
    _dup2(savedStdout, 1);
    _close(nul);
    _close(savedStdout);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora");

    if (hiddenFill.empty()) {
        std::printf("List filling: the dialog could not be created (no display?)\n");
        return;
    }
    std::printf("List filling (every tenth FCO installed), median of %d:\n", kRepeats);
    Report(FormatString("  FillFcoRows, %d rows, list hidden (start-up, restore)", kCatalogueRows).c_str(),
           hiddenFill, hiddenBare);
    Report(FormatString("  FillFcoRows, %d rows, list on screen", kShownRows).c_str(), shownFill, shownBare);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        kCatalogueRows = std::atoi(argv[1]);
    if (argc > 2)
        kShownRows = std::atoi(argv[2]);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    BenchNormalisingPass();
    BenchListFilling();
    return 0;
}
