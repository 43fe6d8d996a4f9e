// The real Mendwright.exe started in a scratch folder, watched and finally ended by its own handle.
#include "tests/e2e/driver/MendwrightProcess.h"

#include "tests/common/Files.h"
#include "tests/e2e/driver/ScratchFolder.h"
#include "res/resource.h"

#include <cstdlib>
#include <sstream>

namespace e2e {

namespace {
constexpr DWORD kTerminateWaitMs = 10000;

struct EnumContext {
    DWORD processId;
    std::vector<Window>* windows;
};

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    auto* context = reinterpret_cast<EnumContext*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    if (owner == context->processId)
        context->windows->emplace_back(hWnd);
    return TRUE;
}

bool IsVisibleDialog(const Window& window)
{
    return window.IsVisible() && window.ClassName() == "#32770";
}
} // namespace

std::string ProgramPathFromEnvironment(const char* variable)
{
    const char* configured = std::getenv(variable);
    std::string path = configured ? configured : "";
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return path;
}

std::string MendwrightExePath()
{
    return ProgramPathFromEnvironment("MENDWRIGHT_EXE");
}

MendwrightProcess::MendwrightProcess(const ScratchFolder& folder)
    : MendwrightProcess(folder, MendwrightExePath())
{
}

MendwrightProcess::MendwrightProcess(const ScratchFolder& folder, const std::string& exe)
    : m_outputPath(folder.Path() + ".out")
{
    if (exe.empty()) {
        m_startError = "no program to start: MENDWRIGHT_EXE (or the probe's variable) is not set";
        return;
    }
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    const HANDLE output =
        ::CreateFileA(m_outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        m_startError = "cannot create " + m_outputPath;
        return;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION info = {};
    std::string commandLine = "\"" + exe + "\"";
    if (::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                         folder.Path().c_str(), &startup, &info)) {
        m_process = info.hProcess;
        m_processId = info.dwProcessId;
        ::CloseHandle(info.hThread);
    } else {
        m_startError = "CreateProcess of " + exe + " failed with error " +
                       std::to_string(::GetLastError());
    }
    ::CloseHandle(output);
}

MendwrightProcess::~MendwrightProcess()
{
    if (m_process) {
        if (IsRunning()) {
            ::TerminateProcess(m_process, 1);
            ::WaitForSingleObject(m_process, kTerminateWaitMs);
        }
        ::CloseHandle(m_process);
    }
    ::DeleteFileA(m_outputPath.c_str());
}

bool MendwrightProcess::IsRunning() const
{
    return m_process && ::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

bool MendwrightProcess::WaitForExit(DWORD timeoutMs) const
{
    return m_process && ::WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0;
}

std::string MendwrightProcess::StandardOutput() const
{
    return ReadWholeFile(m_outputPath);
}

std::vector<Window> MendwrightProcess::TopLevelWindows() const
{
    std::vector<Window> windows;
    if (!m_process)
        return windows;
    EnumContext context = {m_processId, &windows};
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&context));
    return windows;
}

Window MendwrightProcess::FindTopLevel(const std::function<bool(const Window&)>& matches) const
{
    for (const Window& window : TopLevelWindows())
        if (matches(window))
            return window;
    return Window();
}

Window MendwrightProcess::WaitForWindow(const std::function<bool(const Window&)>& matches,
                                        DWORD timeoutMs) const
{
    Window found;
    // A program that has ended shows nothing more; no need to wait out the timeout.
    WaitUntil([&] {
        found = FindTopLevel(matches);
        return static_cast<bool>(found) || !IsRunning();
    }, timeoutMs);
    return found;
}

Window MendwrightProcess::WaitForDialogWithControl(int controlId, DWORD timeoutMs) const
{
    return WaitForWindow(
        [controlId](const Window& window) {
            return IsVisibleDialog(window) && window.Child(controlId);
        },
        timeoutMs);
}

Window MendwrightProcess::FindDialogWithControl(int controlId) const
{
    return FindTopLevel([controlId](const Window& window) {
        return IsVisibleDialog(window) && window.Child(controlId);
    });
}

Window MendwrightProcess::WaitForPicker(DWORD timeoutMs) const
{
    return WaitForDialogWithControl(IDC_COMBO_NAMES, timeoutMs);
}

Window MendwrightProcess::WaitForMainDialog(DWORD timeoutMs) const
{
    return WaitForDialogWithControl(IDC_LIST_FCO, timeoutMs);
}

ShownMessageBox MendwrightProcess::WaitForMessageBox(const std::string& caption,
                                                     DWORD timeoutMs) const
{
    return ShownMessageBox(WaitForWindow(
        [&caption](const Window& window) {
            return IsVisibleDialog(window) && window.Text() == caption;
        },
        timeoutMs));
}

bool MendwrightProcess::WaitUntilGone(const Window& window, DWORD timeoutMs) const
{
    return WaitUntil([&] { return !window || !window.IsVisible(); }, timeoutMs);
}

std::string MendwrightProcess::DescribeWindows() const
{
    std::ostringstream out;
    out << "process " << m_processId << (IsRunning() ? " running" : " ended") << ", windows:";
    for (const Window& window : TopLevelWindows())
        out << "\n  " << window.Describe();
    return out.str();
}

} // namespace e2e
