// Per-program Windows versions through Wine's AppDefaults settings.
#include "tests/e2e/driver/WindowsVersion.h"

#include <windows.h>

namespace e2e {

namespace {
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\";
}

const std::vector<WindowsVersionClass>& AllWindowsVersionClasses()
{
    static const std::vector<WindowsVersionClass> classes = {
        {"win95", 1}, {"win98", 2}, {"winme", 3},   {"nt351", 4}, {"nt40", 5},  {"win2k", 6},
        {"winxp", 7}, {"win2003", 8}, {"vista", 0}, {"win7", 0},  {"win10", 0},
    };
    return classes;
}

WindowsVersionOverride::WindowsVersionOverride(const std::vector<std::string>& programs,
                                               const std::string& wineName)
    : m_programs(programs)
{
    for (const std::string& program : m_programs) {
        HKEY key = nullptr;
        const std::string path = kAppDefaults + program;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr) != ERROR_SUCCESS) {
            m_ready = false;
            continue;
        }
        m_ready = ::RegSetValueExA(key, "Version", 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(wineName.c_str()),
                                   (DWORD)wineName.size() + 1) == ERROR_SUCCESS && m_ready;
        ::RegCloseKey(key);
    }
}

WindowsVersionOverride::~WindowsVersionOverride()
{
    for (const std::string& program : m_programs)
        ::RegDeleteKeyA(HKEY_CURRENT_USER, (kAppDefaults + program).c_str());
}

} // namespace e2e
