// Whether a file of the backup folder may replace the FCO key.
#pragma once

#include "framework/File.h"
#include "maintenance/RegistryExport.h"

#include <string>

// Reads the file importPath, picked as name, into backup, through hold: the file stays as checked
// for as long as hold holds it (HoldAndReadRegistryExportFile). Answers why it must not be imported
// over keyPath (root key included): it cannot be found or read, it holds no backup of the key, it
// holds lines the registry editor may read otherwise (RegistryExport::unreadLines), or it would
// change other keys too (the import runs with the engineer's rights, and anyone who can
// write the backup folder may have put it there). Empty when it may be imported.
std::string RefuseBackupFile(const std::string& name, const std::string& importPath, const std::string& keyPath,
                             CFile& hold, RegistryExport& backup);
