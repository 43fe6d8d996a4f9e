// Reading a registry-editor export file from disk, its text in the program's code page.
#pragma once

#include "maintenance/RegistryExport.h"

#include <windows.h>

#include <string>

// Reads and parses the export file at path; names and data of a UTF-16 file become the program's
// single-byte text as the registry's single-byte functions would give them. FALSE when the file
// cannot be read.
BOOL ReadRegistryExportFile(const std::string& path, RegistryExport& file);
