// The project's own stand-ins for the outside programs, put where the program looks for them.
#include "tests/e2e/driver/Standins.h"

#include "tests/common/Files.h"
#include "tests/e2e/driver/MendwrightProcess.h"
#include "tests/e2e/driver/Registry.h"

#include <windows.h>

namespace e2e {

namespace {
const char kPdfExtensionKey[] = "Software\\Classes\\.pdf";
const char kViewerClass[] = "Mendwright.TestPdfViewer";
const char kViewerClassKey[] = "Software\\Classes\\Mendwright.TestPdfViewer";
} // namespace

std::string StandinPath(const std::string& exeName)
{
    const std::string folder = ProgramPathFromEnvironment("MENDWRIGHT_STANDINS");
    return folder.empty() ? std::string() : JoinPath(folder, exeName);
}

bool PlaceStandin(const std::string& exeName, const std::string& path)
{
    const std::string source = StandinPath(exeName);
    return !source.empty() && MakeFolders(path.substr(0, path.rfind('\\'))) &&
           ::CopyFileA(source.c_str(), path.c_str(), FALSE);
}

PdfViewerRegistration::PdfViewerRegistration()
{
    const RegistryValues previous = HklmValues(kPdfExtensionKey);
    const RegistryValues::const_iterator found = previous.find("");
    if (found != previous.end() && found->second != kViewerClass)
        m_previousClass = found->second;
    const std::string viewer = StandinPath("standin_pdf_viewer.exe");
    m_ready = !viewer.empty() && HklmSetString(kPdfExtensionKey, "", kViewerClass) &&
              HklmSetString(std::string(kViewerClassKey) + "\\shell\\open\\command", "",
                            "\"" + viewer + "\" \"%1\"");
}

PdfViewerRegistration::~PdfViewerRegistration()
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kViewerClassKey);
    if (m_previousClass.empty())
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kPdfExtensionKey);
    else
        HklmSetString(kPdfExtensionKey, "", m_previousClass);
}

std::string RegistryEditorStandIn::PathOf(const std::string& name)
{
    char windows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return JoinPath(windows, name);
}

void RegistryEditorStandIn::PutBackRealEditor()
{
    const std::string real = PathOf("regedit.real.exe");
    if (PathExists(real) && ::CopyFileA(real.c_str(), PathOf("regedit.exe").c_str(), FALSE))
        ::DeleteFileA(real.c_str());
    for (const char* file : {"regedit.mode", "regedit.started", "regedit.release"})
        ::DeleteFileA(PathOf(file).c_str());
}

RegistryEditorStandIn::RegistryEditorStandIn(const char* mode)
{
    PutBackRealEditor();
    const std::string standIn = ProgramPathFromEnvironment("MENDWRIGHT_REGEDIT_STAND_IN");
    m_ready = !standIn.empty() && ::CopyFileA(PathOf("regedit.exe").c_str(), PathOf("regedit.real.exe").c_str(), FALSE) &&
              ::CopyFileA(standIn.c_str(), PathOf("regedit.exe").c_str(), FALSE) &&
              WriteWholeFile(PathOf("regedit.mode"), mode);
}

RegistryEditorStandIn::~RegistryEditorStandIn()
{
    PutBackRealEditor();
}

} // namespace e2e
