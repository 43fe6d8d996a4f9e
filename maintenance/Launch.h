// Starting programs, batch files and documents through the shell, and waiting for them.
#pragma once

#include <windows.h>

#include "maintenance/BatchText.h"

#include <functional>
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

    // Waits as WaitAnsweringMessages does until the started process has ended or timeoutMs have
    // passed: TRUE when it ended. A document the shell handed to a running viewer, and a batch
    // file the 9x shell ran without handing back its process, have no process here: nothing to
    // wait for, TRUE at once.
    BOOL WaitForExit(DWORD timeoutMs);

private:
    HANDLE m_hProcess = nullptr;
};

// Waits until hObject is signalled or timeoutMs have passed; without an object, for the whole
// time. A thread that owns windows must answer the messages other programs send it while it
// waits (an installer broadcasting WM_SETTINGCHANGE waits for every top-level window), so sent
// messages are answered and windows repainted; no input is taken, so the caller's dialog cannot
// be used half-way through. TRUE when the object was signalled.
BOOL WaitAnsweringMessages(HANDLE hObject, DWORD timeoutMs);

// Starts a target and forgets it.
BOOL LaunchFile(HWND hWndOwner, const std::string& target, int mode, const std::string& directory = "");

// BatchLaunchTargetFor with this machine's Windows folder.
BatchLaunchTarget BatchLaunchTargetHere(const std::string& batchPath, int osVersion);

// Starts a batch file hidden, pointed at as BatchLaunchTargetHere says, and forgets it.
BOOL StartBatchFile(HWND hWndOwner, const std::string& batchPath, int osVersion);

// How a batch file's run ended.
enum BatchRun {
    BatchFinished,
    BatchNotStarted,  // the shell refused it
    BatchTimedOut,    // still at work when the limit ran out: what it writes may be partial
};

// One look at what a started program leaves behind: FALSE while there is nothing of it yet, else
// TRUE with what it looks like now in state.
using ResultLook = std::function<BOOL(std::string& state)>;

// What a batch file's run must wait for besides the batch itself.
struct BatchWait {
    DWORD timeoutMs;
    // The command interpreter of the 9x classes goes on as soon as it has started a Windows
    // program, so there the batch's end says nothing of the program's: at least this long after
    // the launch is waited for, and with a result look until it finds a result and two looks
    // half a second apart find it the same, all within timeoutMs.
    DWORD minimumOn9xMs;
    ResultLook result;
};

// Runs a batch file hidden, pointed at as BatchLaunchTargetHere says, and waits for it as
// WaitAnsweringMessages does. The caller holds the file (CHeldBatchFile) until this returns.
BatchRun RunBatchFile(HWND hWndOwner, const std::string& batchPath, int osVersion, const BatchWait& wait);
