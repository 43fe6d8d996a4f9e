// The real Mendwright.exe started in a scratch folder, watched and finally ended by its own handle.
#pragma once

#include "tests/e2e/driver/ListViewReader.h"
#include "tests/e2e/driver/ShownMessageBox.h"
#include "tests/e2e/driver/Wait.h"
#include "tests/e2e/driver/WindowReader.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

class ScratchFolder;

// A program named by an environment variable, as a Windows path (a Unix path through drive Z:).
std::string ProgramPathFromEnvironment(const char* variable);
// Mendwright.exe: MENDWRIGHT_EXE.
std::string MendwrightExePath();

class MendwrightProcess {
public:
    // Starts the program with the folder as its current directory. Its standard output and
    // standard error go to a file beside the folder, so the folder itself gains no file.
    explicit MendwrightProcess(const ScratchFolder& folder);
    // Another program started the same way (a probe beside the tests).
    MendwrightProcess(const ScratchFolder& folder, const std::string& exe);
    // Ends the program if it still runs (TerminateProcess on its own handle, then a bounded wait).
    ~MendwrightProcess();
    MendwrightProcess(const MendwrightProcess&) = delete;
    MendwrightProcess& operator=(const MendwrightProcess&) = delete;

    bool Started() const { return m_process != nullptr; }
    const std::string& StartError() const { return m_startError; }
    HANDLE Handle() const { return m_process; }

    bool IsRunning() const;
    bool WaitForExit(DWORD timeoutMs = kExitTimeoutMs) const;
    // Complete only after the program has ended: its run-time library buffers the output.
    std::string StandardOutput() const;

    // Top-level windows of the process, owned ones included, hidden ones included.
    std::vector<Window> TopLevelWindows() const;
    Window FindTopLevel(const std::function<bool(const Window&)>& matches) const;
    Window WaitForWindow(const std::function<bool(const Window&)>& matches,
                         DWORD timeoutMs = kWindowTimeoutMs) const;

    // A visible dialog ("#32770") that holds a control with the given id.
    Window WaitForDialogWithControl(int controlId, DWORD timeoutMs = kWindowTimeoutMs) const;
    // The Machine Type picker: the dialog with the name combo box.
    Window WaitForPicker(DWORD timeoutMs = kWindowTimeoutMs) const;
    // The main dialog: the one with the FCO list.
    Window WaitForMainDialog(DWORD timeoutMs = kWindowTimeoutMs) const;
    // A visible message box with that caption.
    ShownMessageBox WaitForMessageBox(const std::string& caption,
                                      DWORD timeoutMs = kWindowTimeoutMs) const;
    bool WaitUntilGone(const Window& window, DWORD timeoutMs = kWindowTimeoutMs) const;

    // A visible dialog with that control, now, without waiting.
    Window FindDialogWithControl(int controlId) const;

    // A reader for one of the program's list views.
    ListViewReader ReadList(const Window& list) const { return ListViewReader(m_process, list); }

    // Every top-level window with its controls, for failure messages.
    std::string DescribeWindows() const;

private:
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
    std::string m_outputPath;
    std::string m_startError;
};

} // namespace e2e
