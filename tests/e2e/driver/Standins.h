// The project's own stand-ins for the outside programs, put where the program looks for them.
#pragma once

#include <string>

namespace e2e {

// A stand-in built beside the tests (folder MENDWRIGHT_STANDINS), as a Windows path.
std::string StandinPath(const std::string& exeName);
// Copies a stand-in to path, making the folders on the way.
bool PlaceStandin(const std::string& exeName, const std::string& path);

// Makes the viewer stand-in the program that opens ".pdf" documents, for the life of the object.
class PdfViewerRegistration {
public:
    PdfViewerRegistration();
    ~PdfViewerRegistration();
    PdfViewerRegistration(const PdfViewerRegistration&) = delete;
    PdfViewerRegistration& operator=(const PdfViewerRegistration&) = delete;

    bool Ready() const { return m_ready; }

private:
    std::string m_previousClass;
    bool m_ready = false;
};

// The registry editor's stand-in (probe/regedit_stand_in.cpp, MENDWRIGHT_REGEDIT_STAND_IN) where
// the real editor lives, the Windows folder, doing what mode says; the real one is kept beside it
// as regedit.real.exe and put back by the destructor, or by PutBackRealEditor after a test that
// could not end.
class RegistryEditorStandIn {
public:
    explicit RegistryEditorStandIn(const char* mode);
    ~RegistryEditorStandIn();
    RegistryEditorStandIn(const RegistryEditorStandIn&) = delete;
    RegistryEditorStandIn& operator=(const RegistryEditorStandIn&) = delete;

    bool Ready() const { return m_ready; }
    // A file of the stand-in's: regedit.started, regedit.release.
    static std::string PathOf(const std::string& name);
    static void PutBackRealEditor();

private:
    bool m_ready = false;
};

} // namespace e2e
