// Reading a registry-editor export file from disk, its text in the program's code page.
#pragma once

#include "framework/File.h"
#include "maintenance/RegistryExport.h"

#include <windows.h>

#include <string>

// Holds the export file at path in hold (CFile::OpenAndHold: nobody may change it while hold
// lives), then reads and parses it through that hold; names and data of a UTF-16 file become the
// program's single-byte text as the registry's single-byte functions would give them. FALSE when
// the file cannot be held or read.
BOOL HoldAndReadRegistryExportFile(CFile& hold, const std::string& path, RegistryExport& file);
