// Figures for the registry maintenance commands under Wine, each beside what it cannot do without,
// measured in the same run: the start-up with its backup; the export and a restore's import against
// the registry editor started directly (and against the fixed waits the awaited batch file
// replaces); the Update Registry walk against the bare value writes it needs.
#include "app/FcoDlg.h"
#include "maintenance/BatchText.h"
#include "maintenance/FileHelpers.h"
#include "maintenance/Launch.h"
#include "registry/FcoKey.h"
#include "registry/FcoValues.h"
#include "registry/RegistryKey.h"
#include "tests/bench/BenchSupport.h"
#include "tests/common/Files.h"
#include "tests/win/support/ScratchFolder.h"
#include "tests/win/support/TestRegistry.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {
using namespace bench;

const int kValues = 1000;
const char kBackupFolder[] = "c:\\FCObackup";
const char kExportBatch[] = "c:\\FCObackup\\FCOREG.bat";
const char kRestoreBatch[] = "c:\\FCObackup\\FCORES.bat";
const char kExport[] = "c:\\FCObackup\\Tallyroll_bench.reg";

void BenchStartUp()
{
    ScratchFolder folder("bench_maintenance");
    folder.WriteFile(std::string(kMachine) + ".txt", Catalogue(kValues));
    const std::string mendwright = "\"" + ThisFolder() + "Mendwright.exe\"";
    std::vector<double> startUp;
    for (int r = 0; r < kRepeats; ++r) {
        SeedDialogKey(kValues, kValues);
        startUp.push_back(TimeStartUp(mendwright, folder.Path()).seconds);
    }
    std::printf("Start-up to the visible main dialog, key of %d values, catalogue of %d FCOs, backup included,\n"
                "median of %d: %.1f ms\n",
                kValues, kValues, kRepeats, Median(startUp) * 1000);
}

// The export, a restore's import and refill, and the Update Registry walk, in one dialog over a
// catalogue of 1,000 FCOs.
void BenchCommands()
{
    std::vector<double> exportRuns, directExportRuns, restoreRuns, directRestoreRuns, refillRuns;
    std::vector<double> walkRuns, perValueRuns, bareRuns;
    {
        StdoutToFile diagnostics;
        ScratchFolder folder("bench_maintenance");
        folder.Enter();
        folder.WriteFile(std::string(kMachine) + ".txt", Catalogue(kValues));
        SeedDialogKey(kValues, kValues);
        CFcoDlg dlg;
        dlg.m_strMachineName = kMachine;
        if (!dlg.Create())
            return;
        const std::string fcoKey = kDialogFcoKey;

        for (int r = 0; r < kRepeats; ++r) {
            exportRuns.push_back(Seconds([&] { dlg.ExportFcoKey(kExportBatch, kExport); }));
            const std::string keyArgument = "\"HKEY_LOCAL_MACHINE\\" + fcoKey + "\"";
            directExportRuns.push_back(
                Seconds([&] { RunRegistryEditor("/e \"" + std::string(kExport) + "\" " + keyArgument); }));

            // The import as the restore runs it, and the refill once the import has ended.
            CHeldBatchFile batch;
            batch.WriteAndHold(kRestoreBatch, RestoreBatchText(kExport));
            restoreRuns.push_back(Seconds([&] {
                CRegistryKey key;
                if (key.Open(HKEY_LOCAL_MACHINE, fcoKey))
                    key.DeleteKey("");
                key.Close();
                RunBatchFile(dlg, batch, GetOsVersion(), {60000, 4000, nullptr});
                dlg.FillFcoRows();
            }));
            refillRuns.push_back(Seconds([&] { dlg.FillFcoRows(); }));
            directRestoreRuns.push_back(Seconds([&] {
                DeleteKeyTree(HKEY_LOCAL_MACHINE, fcoKey.c_str());
                RunRegistryEditor("/s \"" + std::string(kExport) + "\"");
                dlg.FillFcoRows();
            }));
        }

        // Shorter and more exposed to the machine's other work: measured more often. Each run
        // starts from the same key: half of the FCOs installed, so half the writes make new values.
        for (int r = 0; r < 3 * kRepeats; ++r) {
            SeedDialogKey(kValues, kValues / 2);
            dlg.FillFcoRows();
            for (int row = 0; row < dlg.m_listFco.GetItemCount(); ++row)
                dlg.m_listFco.SetCheckState(row, 0, 1);
            walkRuns.push_back(Seconds([&] { dlg.WriteListToRegistry(); }));

            std::vector<std::pair<std::string, std::string>> values;
            for (int row = 0; row < dlg.m_listFco.GetItemCount(); ++row)
                values.emplace_back(dlg.m_listFco.GetItemText(row, 1), dlg.m_listFco.GetItemText(row, 3));
            SeedDialogKey(kValues, kValues / 2);
            NormaliseFcoKey(HKEY_LOCAL_MACHINE, kDialogFcoKey, "01/01/06", nullptr);
            bareRuns.push_back(Seconds([&] {
                HKEY key;
                if (::RegOpenKeyA(HKEY_LOCAL_MACHINE, fcoKey.c_str(), &key) != ERROR_SUCCESS)
                    return;
                for (const auto& value : values)
                    ::RegSetValueExA(key, value.first.c_str(), 0, REG_SZ, (const BYTE*)value.second.c_str(),
                                     (DWORD)value.second.size() + 1);
                ::RegCloseKey(key);
            }));
            // The same writes with the key opened and closed around each value.
            SeedDialogKey(kValues, kValues / 2);
            NormaliseFcoKey(HKEY_LOCAL_MACHINE, kDialogFcoKey, "01/01/06", nullptr);
            perValueRuns.push_back(Seconds([&] {
                for (const auto& value : values)
                    dlg.WriteFcoValue(value.first, value.second);
            }));
        }
        dlg.DestroyWindow();
    }
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora");

    std::printf("Registry maintenance with %d values, median of %d (the walk: of %d):\n", kValues, kRepeats,
                3 * kRepeats);
    Report("export through the batch file, awaited", exportRuns, directExportRuns, "editor direct");
    Report("export through the batch file, awaited", exportRuns, {2.0}, "fixed wait");
    std::vector<double> fixedRestore;
    for (const double refill : refillRuns)
        fixedRestore.push_back(4.0 + refill);
    Report("restore: import awaited, then refill", restoreRuns, directRestoreRuns, "editor direct + refill");
    Report("restore: import awaited, then refill", restoreRuns, fixedRestore, "4000 ms + refill");
    Report("Update Registry walk, 1,000 ticked rows", walkRuns, bareRuns, "bare RegSetValueEx");
    Report("the same writes, key opened per value", perValueRuns, bareRuns, "bare RegSetValueEx");
}
} // namespace

int main()
{
    ::InitCommonControls();
    PlaceEnvironmentFiles();
    BenchStartUp();
    BenchCommands();
    RemoveEnvironmentFiles();
    RemoveTree(kBackupFolder);
    return 0;
}
