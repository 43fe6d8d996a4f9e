// The files the main dialog's start-up looks for, so that a dialog made in a test starts quietly.
#include "tests/win/support/StartupFiles.h"

#include "tests/common/Files.h"

#include <algorithm>
#include <string>

namespace {
struct PlacedFile {
    const char* topFolder;
    const char* folder;
    const char* name;
};
const PlacedFile kFiles[] = {
    {"C:\\Tovren", "C:\\Tovren\\farreach\\bin\\service", "JavaService.exe"},
    {"C:\\Program Files\\Quarra Backup", "C:\\Program Files\\Quarra Backup", "QuarraBackup.exe"},
    {"C:\\Quarra", "C:\\Quarra\\Util\\Mendwright", "Mendwright.exe"},
};
const char kBackupFolder[] = "c:\\FCObackup";
} // namespace

StartupFilesGuard::StartupFilesGuard()
    : m_backupFolderExisted(IsFolder(kBackupFolder)), m_backupFiles(ListFolder(kBackupFolder))
{
    for (const PlacedFile& file : kFiles)
        if (MakeFolders(file.folder))
            WriteWholeFile(JoinPath(file.folder, file.name), "");
}

StartupFilesGuard::~StartupFilesGuard()
{
    for (const PlacedFile& file : kFiles)
        RemoveTree(file.topFolder);
    if (!m_backupFolderExisted) {
        RemoveTree(kBackupFolder);
        return;
    }
    for (const std::string& name : ListFolder(kBackupFolder))
        if (std::find(m_backupFiles.begin(), m_backupFiles.end(), name) == m_backupFiles.end())
            RemoveTree(JoinPath(kBackupFolder, name));
}
