// The files the main dialog's start-up looks for, so that a dialog made in a test starts quietly.
#include "tests/win/support/StartupFiles.h"

#include "tests/common/Files.h"

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
} // namespace

StartupFilesGuard::StartupFilesGuard()
{
    for (const PlacedFile& file : kFiles)
        if (MakeFolders(file.folder))
            WriteWholeFile(JoinPath(file.folder, file.name), "");
}

StartupFilesGuard::~StartupFilesGuard()
{
    for (const PlacedFile& file : kFiles)
        RemoveTree(file.topFolder);
}
