// The files the main dialog's start-up looks for, so that a dialog made in a test starts quietly.
#pragma once

// While it lives, the remote-support service, the backup utility and an installed program exist
// (as empty files): the start-up then shows no warning box and starts no copy of the working
// folder. Those folders go again with the object, with whatever the start-up copied into them.
class StartupFilesGuard {
public:
    StartupFilesGuard();
    ~StartupFilesGuard();
    StartupFilesGuard(const StartupFilesGuard&) = delete;
    StartupFilesGuard& operator=(const StartupFilesGuard&) = delete;
};
