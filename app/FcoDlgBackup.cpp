// The start-up backup of the FCO key into the backup folder, and the file and launch helpers it shares.
#include "app/FcoDlg.h"
#include "app/WarningBox.h"

#include "framework/Strings.h"
#include "framework/WaitCursor.h"
#include "maintenance/BatchText.h"
#include "maintenance/FileHelpers.h"
#include "maintenance/Folder.h"
#include "maintenance/Launch.h"
#include "registry/FcoKey.h"
#include "res/resource.h"

namespace {
// A normal export takes well under a second; only a machine in real trouble takes longer.
const DWORD kExportTimeoutMs = 60000;
// Where the command interpreter does not wait for the registry editor, the export is given at
// least the time the program always allowed it.
const DWORD kExportMinimumOn9xMs = 2000;
} // namespace

// Called at start-up, before the dialog is shown: the export is complete when the engineer sees it.
void CFcoDlg::BackupFcoKey()
{
    EnsureFcoKey();
    const std::string folder = LoadResString(IDS_BACKUP_FOLDER);
    EnsureFolder(folder);
    const std::string exportPath =
        FormatString("%s%s.reg", LoadResString(IDS_EXPORT_FILE_PREFIX).c_str(), m_strTimeStamp.c_str());
    const std::string batchPath = FormatString("%s%s.bat", LoadResString(IDS_BATCH_FILE_PREFIX).c_str(), "REG");
    // A folder that leads elsewhere puts the backup wherever its maker chose.
    const BatchRun run = IsLinkToElsewhere(folder) ? BatchNotStarted : ExportFcoKey(batchPath, exportPath);
    // A start without a backup must not pass unnoticed; the program goes on all the same.
    if (run == BatchTimedOut)
        MessageBox(FormatString("The FCO key may not be backed up: the registry editor had not finished the export "
                                "file\r\n%s\r\nafter %lu seconds, so it may be incomplete.\r\n"
                                "Check the backup folder %s.",
                                exportPath.c_str(), kExportTimeoutMs / 1000, folder.c_str()),
                   kWarningCaption, kWarningStyle);
    else if (run != BatchFinished || !::FileHasContent(exportPath))
        MessageBox(FormatString("The FCO key was not backed up: the export file\r\n%s\r\nis missing or empty.\r\n"
                                "Check the backup folder %s.",
                                exportPath.c_str(), folder.c_str()),
                   kWarningCaption, kWarningStyle);
}

BOOL CFcoDlg::EnsureFcoKey()
{
    return ::EnsureFcoKey(HKEY_LOCAL_MACHINE, m_strFcoKey);
}

BOOL CFcoDlg::EnsureFolder(const std::string& path)
{
    return ::EnsureFolder(path);
}

// Runs the registry editor through a batch file and waits until it has written the export.
BatchRun CFcoDlg::ExportFcoKey(const std::string& batchPath, const std::string& exportPath)
{
    const std::string keyText = LoadResString(IDS_HKLM_PREFIX) + m_strFcoKey;
    const std::string line = FormatString(LoadResString(IDS_EXPORT_COMMAND).c_str(), EscapeForBatch(exportPath).c_str(),
                                          EscapeForBatch(keyText).c_str());
    CHeldBatchFile batch;
    if (!batch.WriteAndHold(batchPath, line))
        return BatchNotStarted;
    // The editor writes through whatever already has the name (a hard link to another file).
    ::DeleteFileA(exportPath.c_str());
    if (FileExists(exportPath))
        return BatchNotStarted;
    CWaitCursor wait;
    // Written whole once it has content and its size stays.
    const ResultLook exportWritten = [&exportPath](std::string& state) {
        const LONGLONG size = FileSize(exportPath);
        state = std::to_string(size);
        return size > 0 ? TRUE : FALSE;
    };
    return RunBatchFile(m_hWnd, batch, GetOsVersion(), {kExportTimeoutMs, kExportMinimumOn9xMs, exportWritten});
}

void CFcoDlg::LaunchFile(const std::string& target, int mode)
{
    ::LaunchFile(m_hWnd, target, mode);
}

BOOL CFcoDlg::FileExists(const std::string& path)
{
    return ::FileExists(path);
}
