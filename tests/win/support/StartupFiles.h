// The files the main dialog's start-up looks for, so that a dialog made in a test starts quietly.
#pragma once

#include <string>
#include <vector>

// While it lives, the remote-support service, the backup utility and an installed program exist
// (as empty files): the start-up then shows no warning box and starts no copy of the working
// folder. Those folders go again with the object, with whatever the start-up copied into them,
// and so do the exports and batch files the start-up's backup adds to the backup folder.
class StartupFilesGuard {
public:
    StartupFilesGuard();
    ~StartupFilesGuard();
    StartupFilesGuard(const StartupFilesGuard&) = delete;
    StartupFilesGuard& operator=(const StartupFilesGuard&) = delete;

private:
    bool m_backupFolderExisted;
    std::vector<std::string> m_backupFiles;
};
