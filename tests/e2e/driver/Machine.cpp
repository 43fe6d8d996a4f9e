// The machine around the program: the FCO registry keys and the fixed folders it looks at or writes.
#include "tests/e2e/driver/Machine.h"

#include "tests/common/Files.h"
#include "tests/e2e/driver/Standins.h"

#include <windows.h>

#include <cstdio>

namespace e2e {

namespace {
// Top folders that hold only what the scenarios or the program put there.
const char* const kOwnedFolders[] = {
    "C:\\Tovren",
    "C:\\Program Files\\Quarra Backup",
    "C:\\Quarra",
    kBackupFolder,
};

bool PlaceEmptyFile(const std::string& path)
{
    const size_t slash = path.rfind('\\');
    return MakeFolders(path.substr(0, slash)) && WriteWholeFile(path, "");
}
} // namespace

std::string TodayAsFcoDate()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof(text), "%02u/%02u/%02u", now.wDay, now.wMonth, now.wYear % 100u);
    return text;
}

Machine::Machine() : Machine(Options()) {}

Machine::Machine(const Options& options)
{
    Clear();
    m_ready = !KeyExists(kVelmoraKey) && !KeyExists(kPalvaneKey);
    for (const char* folder : kOwnedFolders)
        m_ready = m_ready && !PathExists(folder);
    // The program only tests that these paths exist; empty files stand for the real programs.
    if (options.remoteSupportService)
        m_ready = PlaceEmptyFile(kRemoteSupportService) && m_ready;
    if (options.backupUtility)
        m_ready = PlaceEmptyFile(kBackupUtility) && m_ready;
    if (options.installedProgram)
        m_ready = PlaceEmptyFile(kInstalledProgram) && m_ready;
}

Machine::~Machine()
{
    Clear();
}

void Machine::Clear()
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kVelmoraKey);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kPalvaneKey);
    for (const char* folder : kOwnedFolders)
        RemoveTree(folder);
    RegistryEditorStandIn::PutBackRealEditor();
}

bool Machine::SetFcoValue(const std::string& name, const std::string& data) const
{
    return HklmSetString(kFcoKey, name, data);
}

RegistryValues Machine::FcoValues() const
{
    return HklmValues(kFcoKey);
}

bool Machine::FcoKeyExists() const
{
    return KeyExists(kFcoKey);
}

} // namespace e2e
