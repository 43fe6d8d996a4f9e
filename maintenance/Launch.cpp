// Starting programs, batch files and documents through the shell, and waiting for them.
#include "maintenance/Launch.h"

#include "maintenance/BatchText.h"

#include <shellapi.h>

namespace {
// A terminated process is gone within moments; this only bounds a machine in trouble.
const DWORD kEndWaitMs = 5000;
// How long the program's end waits for a batch left running.
const DWORD kBackgroundEndWaitMs = 60000;
} // namespace

int ShowCommandForMode(int mode)
{
    switch (mode) {
    case LaunchMinimized:
        return SW_SHOWMINIMIZED;
    case LaunchNormal:
        return SW_SHOWNORMAL;
    case LaunchMaximized:
        return SW_SHOWMAXIMIZED;
    default:
        return SW_HIDE;
    }
}

CLaunchedProcess::~CLaunchedProcess()
{
    if (m_hProcess)
        ::CloseHandle(m_hProcess);
}

BOOL CLaunchedProcess::Launch(HWND hWndOwner, const std::string& target, int mode, const std::string& directory)
{
    if (m_hProcess) {
        ::CloseHandle(m_hProcess);
        m_hProcess = nullptr;
    }
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = hWndOwner;
    info.lpVerb = "open";
    info.lpFile = target.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = ShowCommandForMode(mode);
    if (!::ShellExecuteExA(&info))
        return FALSE;
    m_hProcess = info.hProcess;
    return TRUE;
}

BOOL CLaunchedProcess::WaitForExit(DWORD timeoutMs)
{
    return !m_hProcess || WaitAnsweringMessages(m_hProcess, timeoutMs);
}

void CLaunchedProcess::End()
{
    if (!m_hProcess || ::WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0)
        return;
    ::TerminateProcess(m_hProcess, 1);
    WaitAnsweringMessages(m_hProcess, kEndWaitMs);
}

BOOL WaitAnsweringMessages(HANDLE hObject, DWORD timeoutMs)
{
    const DWORD count = hObject ? 1 : 0;
    const DWORD start = ::GetTickCount();
    for (;;) {
        // Unsigned difference: right across the tick counter's wrap.
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return hObject && ::WaitForSingleObject(hObject, 0) == WAIT_OBJECT_0;
        const DWORD woke = ::MsgWaitForMultipleObjects(count, hObject ? &hObject : nullptr, FALSE, timeoutMs - elapsed,
                                                       QS_PAINT | QS_SENDMESSAGE);
        if (count != 0 && woke == WAIT_OBJECT_0)
            return TRUE;
        if (woke == WAIT_TIMEOUT)
            continue;
        if (woke != WAIT_OBJECT_0 + count)
            return hObject && ::WaitForSingleObject(hObject, 0) == WAIT_OBJECT_0;
        // Looking at the queue answers the sent messages. Only paint messages are taken: clicks and
        // keys wait until the wait is over. A window that never validates itself must not keep
        // this loop from the clock.
        MSG msg;
        for (int painted = 0; painted < 64 && ::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++painted)
            ::DispatchMessageA(&msg);
    }
}

BOOL LaunchFile(HWND hWndOwner, const std::string& target, int mode, const std::string& directory)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.hwnd = hWndOwner;
    info.lpVerb = "open";
    info.lpFile = target.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = ShowCommandForMode(mode);
    return ::ShellExecuteExA(&info);
}

namespace {
// How often a 9x run looks at what the started program writes.
const DWORD kResultPollMs = 500;

DWORD RemainingMs(DWORD start, DWORD limitMs)
{
    const DWORD elapsed = ::GetTickCount() - start;
    return elapsed < limitMs ? limitMs - elapsed : 0;
}

// Until the look finds a result and two looks kResultPollMs apart find the same.
BOOL WaitForResultToSettle(const ResultLook& look, DWORD start, DWORD limitMs)
{
    std::string previous;
    bool seen = false;
    for (;;) {
        std::string state;
        const bool found = look(state) != FALSE;
        if (found && seen && state == previous)
            return TRUE;
        seen = found;
        previous.swap(state);
        const DWORD remaining = RemainingMs(start, limitMs);
        if (remaining == 0)
            return FALSE;
        WaitAnsweringMessages(nullptr, remaining < kResultPollMs ? remaining : kResultPollMs);
    }
}
} // namespace

BatchLaunchTarget BatchLaunchTargetHere(const std::string& batchPath, int osVersion)
{
    char windows[MAX_PATH] = "";
    const UINT length = ::GetWindowsDirectoryA(windows, MAX_PATH);
    return BatchLaunchTargetFor(batchPath, osVersion, length > 0 && length < MAX_PATH ? windows : "");
}

CBatchInBackground::~CBatchInBackground()
{
    m_process.WaitForExit(kBackgroundEndWaitMs);
}

BOOL CBatchInBackground::Start(HWND hWndOwner, const std::string& batchPath, const std::string& text, int osVersion)
{
    if (!m_file.WriteAndHold(batchPath, text))
        return FALSE;
    const BatchLaunchTarget target = BatchLaunchTargetHere(batchPath, osVersion);
    return m_process.Launch(hWndOwner, target.file, LaunchHidden, target.directory);
}

BatchRun RunBatchFile(HWND hWndOwner, const CHeldBatchFile& batch, int osVersion, const BatchWait& wait)
{
    if (!batch.IsHeld())
        return BatchNotStarted;
    const BatchLaunchTarget target = BatchLaunchTargetHere(batch.Path(), osVersion);
    const DWORD start = ::GetTickCount();
    CLaunchedProcess process;
    if (!process.Launch(hWndOwner, target.file, LaunchHidden, target.directory))
        return BatchNotStarted;
    if (!process.WaitForExit(wait.timeoutMs)) {
        process.End();
        return BatchTimedOut;
    }
    if (!CommandInterpreterOutrunsPrograms(osVersion))
        return BatchFinished;
    const DWORD minimum = wait.minimumOn9xMs < wait.timeoutMs ? wait.minimumOn9xMs : wait.timeoutMs;
    WaitAnsweringMessages(nullptr, RemainingMs(start, minimum));
    if (wait.result && !WaitForResultToSettle(wait.result, start, wait.timeoutMs))
        return BatchTimedOut;
    return BatchFinished;
}
