// The file tests and batch-file writing the maintenance commands share.
#pragma once

#include <windows.h>

#include <string>

// TRUE when path (absolute or relative to the current folder; wildcards allowed) matches at
// least one existing file or folder.
BOOL FileExists(const std::string& path);

// Writes text into the batch file at path, replacing whatever it held: its bytes only, no line
// end added, closed before this returns. FALSE when the file could not be written completely;
// such a file must not be run.
BOOL WriteBatchFile(const std::string& path, const std::string& text);
