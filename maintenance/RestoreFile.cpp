// Whether a file of the backup folder may replace the FCO key.
#include "maintenance/RestoreFile.h"

#include "framework/Strings.h"
#include "maintenance/BatchText.h"
#include "maintenance/ExportFile.h"

std::string RefuseBackupFile(const std::string& name, const std::string& importPath, const std::string& keyPath,
                             CFile& hold, RegistryExport& backup)
{
    if (!IsValidFileName(name) || !HoldAndReadRegistryExportFile(hold, importPath, backup))
        return FormatString("The backup file %s was not found.", importPath.c_str());
    if (!backup.headerRecognised || !HasSection(backup, keyPath))
        return FormatString("The file %s holds no backup of %s.", importPath.c_str(), keyPath.c_str());
    // Read otherwise by the registry editor, such a line could name any key.
    if (backup.unreadLines != 0)
        return FormatString("The file %s holds lines that are no part of a registry export: it is not imported.",
                            importPath.c_str());
    if (!ImportsOnlyKey(backup, keyPath))
        return FormatString("The file %s changes other keys than %s: it is not imported.", importPath.c_str(),
                            keyPath.c_str());
    return std::string();
}
