// Starting programs, batch files and documents through the shell, and waiting for them.
#include "maintenance/Launch.h"

#include "maintenance/BatchText.h"

#include <shellapi.h>

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
    if (!m_hProcess)
        return TRUE;
    const DWORD start = ::GetTickCount();
    for (;;) {
        // Unsigned difference: right across the tick counter's wrap.
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return ::WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0;
        // Messages other programs send are answered too, so that none of them hangs meanwhile.
        const DWORD woke = ::MsgWaitForMultipleObjects(1, &m_hProcess, FALSE, timeoutMs - elapsed,
                                                       QS_PAINT | QS_SENDMESSAGE);
        if (woke == WAIT_OBJECT_0)
            return TRUE;
        if (woke != WAIT_OBJECT_0 + 1)
            return ::WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0;
        // Only paint messages are taken: clicks and keys wait until the process has ended. A window
        // that never validates itself must not keep this loop from the clock.
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

BOOL RunBatchFile(HWND hWndOwner, const std::string& batchPath, int osVersion, DWORD timeoutMs)
{
    const BatchLaunchTarget target = BatchLaunchTargetFor(batchPath, osVersion);
    CLaunchedProcess process;
    return process.Launch(hWndOwner, target.file, LaunchHidden, target.directory) && process.WaitForExit(timeoutMs);
}
