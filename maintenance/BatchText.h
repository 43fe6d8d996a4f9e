// Text that goes into the batch files the program runs: escaping, and which names may go there at all.
#pragma once

#include <string>

// The longest name IsValidFileName lets through: the backup folder "c:\FCObackup\", the name and
// ".reg" must fit a path buffer of 260 characters with its terminating zero.
constexpr std::string::size_type kMaxBackupFileNameLength = 260 - 1 - (sizeof("c:\\FCObackup\\") - 1) - (sizeof(".reg") - 1);

// Text to stand between double quotes on a batch line. Inside quotes the command interpreter
// still expands %...%, so every '%' is doubled; '&', '^', '(', ')', '!' and blanks are literal
// there and stay as they are.
std::string EscapeForBatch(const std::string& text);

// The restore batch file's text: the registry editor imports importPath without asking, then the
// command interpreter ends. The path is escaped for the batch file.
std::string RestoreBatchText(const std::string& importPath);

// True when name (without folder) can name a file in the backup folder. Refused, because Windows
// cannot create or open such a file by that name:
// - the empty name;
// - characters below 32 and any of < > : " / \ | ? * (the last two would also act as wildcards);
// - a name ending in a blank or a dot, which Windows strips, so another file would be meant;
// - the device names CON, PRN, AUX, NUL, COM1-COM9 and LPT1-LPT9 in any case, alone or before a
//   dot ("nul.x"), with blanks before the dot or not: they open the device, not a file;
// - a name longer than kMaxBackupFileNameLength.
bool IsValidFileName(const std::string& name);

// How the shell is pointed at a batch file: the target and the folder it is resolved from.
struct BatchLaunchTarget
{
    std::string file;
    std::string directory;  // empty: none given
};

// On the Windows 95 class (osVersion 1) the shell is given the batch file's name with its
// extension and the file's own folder as directory: a bare base name would be looked for in the
// program's working folder, and without its extension it is not found at all. Every other class
// gets the full path and the Windows folder as directory, the command interpreter's current
// folder: the interpreter looks there first for the programs a batch file names, so the registry
// editor is the system's and not one that somebody put into the start or backup folder.
BatchLaunchTarget BatchLaunchTargetFor(const std::string& batchPath, int osVersion, const std::string& windowsFolder);

// True on the 9x classes (osVersion 1 Windows 95, 2 98, 3 Me), whose command interpreter goes on
// with a batch file as soon as it has started a Windows program, without waiting for its end.
bool CommandInterpreterOutrunsPrograms(int osVersion);
