// The backup folder as the scenarios see it: export files listed and read, older backups put in place.
#pragma once

#include "tests/e2e/driver/Registry.h"

#include <set>
#include <string>
#include <vector>

namespace e2e {

constexpr const char* kFcoKeySection = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]";

// Names of the export files (".reg") in the backup folder, sorted.
std::vector<std::string> ExportFileNames();
// Full path of a file of the backup folder as the program names it.
std::string BackupPath(const std::string& name);

// The lines of an export file (UTF-16 with byte-order mark or single-byte) as a set: the registry
// editor's order of values is its own.
std::set<std::string> ExportLines(const std::string& path);
// The lines an export of the FCO key holding these string values consists of.
std::set<std::string> ExportLinesOf(const RegistryValues& values);

// An export of the FCO key as an older start could have left it, written as single-byte text.
bool WriteBackup(const std::string& name, const RegistryValues& values);

} // namespace e2e
