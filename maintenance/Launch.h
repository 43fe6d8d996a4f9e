// Starting programs, batch files and documents through the shell, and waiting for them.
#pragma once

#include <windows.h>

#include "maintenance/BatchText.h"
#include "maintenance/FileHelpers.h"

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
    // Ends the started process if it still runs, and waits a little for it to be gone: a command
    // interpreter left running reads its batch file again after each command.
    void End();

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

// A batch file left to run while the program goes on. Until it has ended its file stays held, or
// the command interpreter would run whatever lines someone wrote into it meanwhile; so when the
// object goes while the batch still runs, that is waited for as WaitAnsweringMessages does, for
// at most a minute.
class CBatchInBackground {
public:
    CBatchInBackground() = default;
    ~CBatchInBackground();
    CBatchInBackground(const CBatchInBackground&) = delete;
    CBatchInBackground& operator=(const CBatchInBackground&) = delete;

    // Writes and holds the batch file (CHeldBatchFile), then starts it hidden, pointed at as
    // BatchLaunchTargetHere says. FALSE when it was not written or not started.
    BOOL Start(HWND hWndOwner, const std::string& batchPath, const std::string& text, int osVersion);

private:
    // Declared first, let go last.
    CHeldBatchFile m_file;
    CLaunchedProcess m_process;
};

// How a batch file's run ended.
enum BatchRun {
    BatchFinished,
    BatchNotStarted,  // not held, or the shell refused it
    BatchTimedOut,    // still at work when the limit ran out: ended then, what it wrote may be partial
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

// Runs a held batch file hidden, pointed at as BatchLaunchTargetHere says, and waits for it as
// WaitAnsweringMessages does; a file that is not held is not run. A batch still running when the
// limit runs out is ended (CLaunchedProcess::End) before this returns, so the caller may let the
// file go then.
BatchRun RunBatchFile(HWND hWndOwner, const CHeldBatchFile& batch, int osVersion, const BatchWait& wait);
