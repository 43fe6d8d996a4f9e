// Keeping the install folder current: a newer program, a first full copy, a newer description file.
#include "app/FcoDlg.h"

#include "framework/File.h"
#include "framework/Strings.h"
#include "maintenance/BatchText.h"
#include "maintenance/FileHelpers.h"
#include "maintenance/Folder.h"
#include "maintenance/Launch.h"
#include "maintenance/VersionCompare.h"
#include "registry/FcoKey.h"
#include "res/resource.h"

namespace {
std::string CurrentFolder()
{
    char folder[MAX_PATH] = "";
    const DWORD length = ::GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? folder : "";
}
} // namespace

// Last start-up step; nobody is asked and nothing is reported.
void CFcoDlg::CheckInstallation()
{
    const std::string folder = CurrentFolder();
    UpdateInstalledProgram();

    if (!FileExists(LoadResString(IDS_INSTALLED_PROGRAM))) {
        // Without its own folder the copy would take "\*.*", the whole drive. Its batch file is
        // not written into a backup folder that leads elsewhere.
        if (folder.empty() || IsLinkToElsewhere(LoadResString(IDS_BACKUP_FOLDER)))
            return;
        // The copy runs hidden, where nobody could answer xcopy's questions: /Y overwrites without
        // asking and /I takes the destination for a folder.
        const std::string command =
            FormatString(LoadResString(IDS_XCOPY_COMMAND).c_str(), EscapeForBatch(folder).c_str(), "*.*") + "/Y /I";
        const std::string batchFile = FormatString("%s%s.bat", LoadResString(IDS_BATCH_FILE_PREFIX).c_str(), "COPY");
        // Nobody waits for the copy while the dialog lives.
        m_copyBatch.Start(m_hWnd, batchFile, command, GetOsVersion());
        return;
    }

    const std::string installed =
        FormatString("%s%s.txt", LoadResString(IDS_INSTALL_FOLDER).c_str(), m_strMachineName.c_str());
    const std::string local = FormatString("%s.txt", m_strMachineName.c_str());
    if (IsDescriptionFileNewer(local, installed)) {
        // A read-only installed copy must not keep the newer one out.
        ::SetFileAttributesA(installed.c_str(), FILE_ATTRIBUTE_ARCHIVE);
        ::CopyFileA(local.c_str(), installed.c_str(), FALSE);
    }
}

// Copies the program over the installed one when it is a later version; never the other way.
BOOL CFcoDlg::UpdateInstalledProgram()
{
    const std::string ownName = LoadResString(IDS_PROGRAM_FILE_NAME);
    const std::string installedName = LoadResString(IDS_INSTALLED_PROGRAM);
    std::string own;
    std::string installed;
    GetFileVersionString(ownName, own);
    GetFileVersionString(installedName, installed);
    if (!IsVersionNewer(own, installed))
        return FALSE;
    ::CopyFileA(ownName.c_str(), installedName.c_str(), FALSE);
    return TRUE;
}

// The FileVersion text of a program file; version is left alone when the file or its resource
// cannot be read. A resource that lists no language and code page is read with the last ones seen.
void CFcoDlg::GetFileVersionString(const std::string& name, std::string& version)
{
    m_pVersionInfo = std::make_unique<CVersionInfo>();
    const BOOL read = m_pVersionInfo->Read(name);
    m_bModuleLoaded = m_pVersionInfo->ModuleLoaded() != FALSE;
    if (read) {
        m_pVersionInfo->QueryTranslation(m_dwTranslation);
        if (!m_pVersionInfo->QueryString(m_dwTranslation, "FileVersion", version))
            version.clear();
    }
    // The data and a module loaded for it go now: the file may be copied over next.
    m_pVersionInfo.reset();
}

// The fields weighted by 1000, 100, 10 and 1. Different versions can share a number, so which one
// is later is decided field by field instead (UpdateInstalledProgram).
int CFcoDlg::VersionToNumber(const std::string& version)
{
    return ::VersionToNumber(version);
}

// TRUE when the local description file must replace the installed one.
BOOL CFcoDlg::IsDescriptionFileNewer(const std::string& local, const std::string& installed)
{
    if (!FileExists(installed))
        return TRUE;
    return IsDateNewer(ReadFileDate(local), ReadFileDate(installed));
}

// The date on the first line of a description file; empty when it cannot be read.
std::string CFcoDlg::ReadFileDate(const std::string& path)
{
    CFile file;
    std::string bytes;
    if (!file.OpenForReading(path) || !file.ReadAll(bytes))
        return std::string();
    return FileDateOfText(bytes, SystemLeadBytes());
}

BOOL CFcoDlg::IsDateNewer(const std::string& first, const std::string& second)
{
    return ::IsDateNewer(first, second);
}

// The hidden "Button2": the program update alone.
void CFcoDlg::OnButton2()
{
    UpdateInstalledProgram();
}
