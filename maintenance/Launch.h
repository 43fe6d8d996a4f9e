// Starting programs, batch files and documents through the shell, and waiting for them.
#pragma once

#include <windows.h>

#include <string>

// Launch modes: how the started program's window is shown.
enum LaunchMode {
    LaunchMinimized = 0,
    LaunchNormal = 1,
    LaunchMaximized = 2,
    LaunchHidden = 3,
};

// The show command handed to the shell for a mode; any other mode value runs the target hidden.
int ShowCommandForMode(int mode);

// A target opened with the shell verb "open" (a program runs, a batch file runs in the command
// interpreter, a document opens in its registered viewer), kept so that its end can be awaited.
class CLaunchedProcess {
public:
    CLaunchedProcess() = default;
    ~CLaunchedProcess();
    CLaunchedProcess(const CLaunchedProcess&) = delete;
    CLaunchedProcess& operator=(const CLaunchedProcess&) = delete;

    // directory, when not empty, is the started program's working folder and the folder the shell
    // looks in for a target without a path. FALSE when the shell could not start the target.
    BOOL Launch(HWND hWndOwner, const std::string& target, int mode, const std::string& directory = "");

    // Waits until the started process has ended or timeoutMs have passed: TRUE when it ended.
    // Meanwhile windows are repainted but no input is taken, so the caller's dialog cannot be
    // used half-way through. A document the shell handed to a running viewer has no process of
    // its own: nothing to wait for, TRUE at once.
    BOOL WaitForExit(DWORD timeoutMs);

private:
    HANDLE m_hProcess = nullptr;
};

// Starts a target and forgets it.
BOOL LaunchFile(HWND hWndOwner, const std::string& target, int mode, const std::string& directory = "");

// Runs a batch file hidden and waits, as WaitForExit does, until it has ended or timeoutMs have
// passed: TRUE when it ended. On the Windows 95 class (osVersion 1) the shell is pointed at the
// file through its own folder (BatchLaunchTargetFor).
BOOL RunBatchFile(HWND hWndOwner, const std::string& batchPath, int osVersion, DWORD timeoutMs);
