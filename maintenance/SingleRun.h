// One run of the program per machine at a time.
#pragma once

#include <windows.h>

#include <string>

// The normalising pass and a restore delete the FCO key and write it back; a second run that
// reads or rewrites the key meanwhile loses records. A named mutex marks the run for the whole
// machine, across logon sessions where Windows has them.
class CSingleRun {
public:
    CSingleRun() = default;
    ~CSingleRun();
    CSingleRun(const CSingleRun&) = delete;
    CSingleRun& operator=(const CSingleRun&) = delete;

    // FALSE when another run holds the mark. A mark that cannot be made at all does not stop the
    // engineer. osVersion as GetOsVersion gives it: the 9x line and NT 4.0 know no Global namespace.
    BOOL Claim(int osVersion);

private:
    HANDLE m_hMutex = nullptr;
};
