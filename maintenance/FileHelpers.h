// The file tests and batch-file writing the maintenance commands share.
#pragma once

#include "framework/File.h"

#include <windows.h>

#include <string>

// TRUE when path (absolute or relative to the current folder; wildcards allowed) matches at
// least one existing file or folder.
BOOL FileExists(const std::string& path);

// TRUE when path names a file that holds at least one byte.
BOOL FileHasContent(const std::string& path);
// The length of the file path names; -1 when there is none (a folder is no file). A directory
// search, not GetFileAttributesEx: Windows 95 has none.
LONGLONG FileSize(const std::string& path);

// A batch file written and then held open until it has run: whoever can write the folder could
// otherwise replace it between the writing and the run, and the program runs it with its rights.
class CHeldBatchFile {
public:
    // Writes text into a batch file made anew at path (CFile::CreateNew): its bytes only, no line
    // end added. The command interpreter reads batch files in the OEM code page, not in the
    // program's, so the text is written converted; a character without an exact equivalent there
    // would reach the command as another one (another file name), so such a text is not written at
    // all. The file is then held as HoldIfItHolds says. FALSE when it was not written or is not
    // held: such a file must not be run.
    BOOL WriteAndHold(const std::string& path, const std::string& text);
    // Holds the file at path (others may read it, nobody may change, rename or delete it) when,
    // read by name through that hold as the command interpreter will read it, it holds exactly
    // bytes. FALSE, and nothing held, otherwise.
    BOOL HoldIfItHolds(const std::string& path, const std::string& bytes);

    BOOL IsHeld() const { return m_hold.IsOpen(); }
    const std::string& Path() const { return m_strPath; }

private:
    CFile m_hold;
    std::string m_strPath;
};
