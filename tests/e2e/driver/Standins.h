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

} // namespace e2e
