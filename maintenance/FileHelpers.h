// The file tests and batch-file writing the maintenance commands share.
#pragma once

#include <windows.h>

#include <string>

// TRUE when path (absolute or relative to the current folder; wildcards allowed) matches at
// least one existing file or folder.
BOOL FileExists(const std::string& path);

// TRUE when path names a file that holds at least one byte.
BOOL FileHasContent(const std::string& path);

// Writes text into the batch file at path, replacing whatever it held: its bytes only, no line
// end added, closed before this returns. The command interpreter reads batch files in the OEM
// code page, not in the program's, so the text is written converted; a character without an
// exact equivalent there would reach the command as another one (another file name), so such a
// text is not written at all. FALSE when the file was not written completely; such a file must
// not be run.
BOOL WriteBatchFile(const std::string& path, const std::string& text);
