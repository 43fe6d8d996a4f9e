// One run of the program per machine at a time.
#include "maintenance/SingleRun.h"

namespace {
const char kRunName[] = "Mendwright.FcoKey";
} // namespace

CSingleRun::~CSingleRun()
{
    if (m_hMutex)
        ::CloseHandle(m_hMutex);
}

BOOL CSingleRun::Claim(int osVersion)
{
    // Windows 95, 98, Me, NT 3.51 and NT 4.0 have one namespace and refuse the prefix.
    const bool globalNamespace = osVersion == 0 || osVersion >= 6;
    const std::string name = std::string(globalNamespace ? "Global\\" : "") + kRunName;
    m_hMutex = ::CreateMutexA(nullptr, FALSE, name.c_str());
    const DWORD error = ::GetLastError();
    if (m_hMutex && error == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        return FALSE;
    }
    // Made by a run of another user, whose mutex this user may not open.
    return m_hMutex || error != ERROR_ACCESS_DENIED;
}
