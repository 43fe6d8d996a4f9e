// Restore Registry: a backup of the FCO key imported again, checked value by value, and the list refilled.
#include "app/FcoDlg.h"
#include "app/WarningBox.h"

#include "framework/Strings.h"
#include "framework/WaitCursor.h"
#include "maintenance/BatchText.h"
#include "maintenance/FileHelpers.h"
#include "maintenance/Folder.h"
#include "maintenance/Launch.h"
#include "maintenance/MachineTypeDlg.h"
#include "maintenance/NameList.h"
#include "maintenance/RestoreCheck.h"
#include "maintenance/RestoreFile.h"
#include "registry/FcoKey.h"
#include "registry/KeySnapshot.h"
#include "res/resource.h"

namespace {
// An import of a thousand values takes about a second; the limit only keeps a hung editor from
// holding the program for ever.
const DWORD kImportTimeoutMs = 60000;
// Where the command interpreter does not wait for the registry editor, the import is given at
// least the time the program always allowed it.
const DWORD kImportMinimumOn9xMs = 4000;

// What the engineer cannot use while the key is being replaced, in the order they are disabled
// and enabled again.
const int kRestoreLockedControls[] = {IDC_BUTTON_SELECT_ALL, IDC_BUTTON_REMOVE_ALL, IDC_BUTTON_UPDATE,
                                      IDC_BUTTON_RESTORE,    IDC_BUTTON_FCO_INFO,   IDC_BUTTON_FONT,
                                      IDC_BUTTON_COLOR,      IDOK};

void EnableRestoreLockedControls(HWND hDlg, BOOL bEnable)
{
    for (const int id : kRestoreLockedControls)
        ::EnableWindow(::GetDlgItem(hDlg, id), bEnable);
}

const char kNotChanged[] = "\r\nThe registry was not changed.";
} // namespace

// Button "Res&tore Registry". The key is deleted only once everything the import needs is in place,
// so a wrong or missing backup file never costs the machine its FCO key.
void CFcoDlg::OnRestoreRegistry()
{
    const std::string folder = LoadResString(IDS_BACKUP_FOLDER);
    if (IsLinkToElsewhere(folder)) {
        MessageBox(FormatString("The backup folder %s leads to another place: nothing is restored from it.%s",
                                folder.c_str(), kNotChanged),
                   kWarningCaption, kWarningStyle);
        return;
    }
    CMachineTypeDlg picker;
    picker.m_bMachineType = FALSE;
    if (picker.DoModal() != IDOK)
        return;

    const std::string importPath =
        FormatString("%s%s.reg", LoadResString(IDS_BACKUP_FOLDER_SLASH).c_str(), picker.m_strSelection.c_str());
    const std::string keyPath = LoadResString(IDS_HKLM_PREFIX) + m_strFcoKey;
    // Held from the check until the import is over: the editor imports the bytes that were checked.
    CFile heldBackup;
    RegistryExport backup;
    const std::string refusal = RefuseBackupFile(picker.m_strSelection, importPath, keyPath, heldBackup, backup);
    if (!refusal.empty()) {
        MessageBox(refusal + kNotChanged, kWarningCaption, kWarningStyle);
        return;
    }
    const std::string batchPath = LoadResString(IDS_RESTORE_BATCH_FILE);
    CHeldBatchFile batch;
    if (!batch.WriteAndHold(batchPath, RestoreBatchText(importPath))) {
        MessageBox(FormatString("The restore batch file %s could not be written for %s.%s", batchPath.c_str(),
                                importPath.c_str(), kNotChanged),
                   kWarningCaption, kWarningStyle);
        return;
    }

    // What the key holds now, not what the last pass saw (Update Registry may have written since),
    // so that it can be put back should the import not start.
    CKeyTakenAway current;
    if (!current.TakeAway(HKEY_LOCAL_MACHINE, m_strFcoKey)) {
        MessageBox(FormatString("The FCO key %s could not be read, so it could not be put back if the import "
                                "failed.%s",
                                keyPath.c_str(), kNotChanged),
                   kWarningCaption, kWarningStyle);
        return;
    }
    EnableRestoreLockedControls(m_hWnd, FALSE);
    BatchRun run;
    {
        // The list is refilled only from a finished import: the refill rewrites the key. Where the
        // command interpreter does not wait for the editor, the import is over once the key has
        // stopped changing.
        const ResultLook keyWritten = [this](std::string& state) {
            return LookAtKey(HKEY_LOCAL_MACHINE, m_strFcoKey, state);
        };
        CWaitCursor wait;
        run = RunBatchFile(m_hWnd, batch, GetOsVersion(), {kImportTimeoutMs, kImportMinimumOn9xMs, keyWritten});
    }
    if (run == BatchNotStarted) {
        current.PutBack();
        EnableRestoreLockedControls(m_hWnd, TRUE);
        MessageBox(FormatString("The registry editor could not be started for %s.%s", importPath.c_str(), kNotChanged),
                   kWarningCaption, kWarningStyle);
        return;
    }
    const std::vector<RegistryExportValue> restored = ValuesOfKey(backup, keyPath);
    if (ImportLeftNothing(restored)) {
        // Refused by a policy, or the file gone by the time the editor opened it: the key must
        // not stay emptier than the restore found it.
        const BOOL putBack = current.PutBack();
        RefillAfterRestore();
        MessageBox(FormatString(putBack ? "The registry editor imported nothing from the backup file %s: the FCO key "
                                          "was put back as it was."
                                        : "The registry editor imported nothing from the backup file %s, and the FCO "
                                          "key could not be put back whole: the list shows what the registry holds.",
                                importPath.c_str()),
                   kWarningCaption, kWarningStyle);
        return;
    }
    if (run == BatchTimedOut) {
        // A key the editor may still be writing is neither rewritten by a refill nor judged.
        EnableRestoreLockedControls(m_hWnd, TRUE);
        MessageBox(FormatString("The registry editor had not finished importing %s after %lu seconds: the FCO key "
                                "may still be incomplete.\r\nStart Mendwright again once the import has ended, and "
                                "check the FCOs it shows.",
                                importPath.c_str(), kImportTimeoutMs / 1000),
                   kWarningCaption, kWarningStyle);
        return;
    }
    RefillAfterRestore();

    // The refill's pass read the key as the import left it, before rewriting it.
    const std::vector<std::string> differing = FindUnrestoredFcos(restored, m_aFco, m_strToday, SystemLeadBytes());
    if (!differing.empty())
        MessageBox(FormatString("The restore is incomplete: the registry does not hold these FCOs as the backup file "
                                "%s does:\r\n%s",
                                importPath.c_str(), NameListForMessage(differing).c_str()),
                   kWarningCaption, kWarningStyle);
}

// Whether the import that has just ended wrote nothing of the backup's values into the FCO key.
BOOL CFcoDlg::ImportLeftNothing(const std::vector<RegistryExportValue>& restored)
{
    std::vector<StoredValue> values;
    const KeyRead read = ReadStoredValues(HKEY_LOCAL_MACHINE, m_strFcoKey, values);
    std::vector<std::string> names;
    for (const StoredValue& value : values)
        names.push_back(value.name);
    return ImportWroteNothing(restored, read != KeyRead::Missing, names);
}

// The list filled again from the key, the dialog hidden meanwhile, and usable again.
void CFcoDlg::RefillAfterRestore()
{
    ShowWindow(SW_HIDE);
    FillFcoRows();
    EnableRestoreLockedControls(m_hWnd, TRUE);
    ShowWindow(SW_SHOWNORMAL);
}
