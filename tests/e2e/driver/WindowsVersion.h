// Makes Wine report another Windows version to the named programs, for the time of one scenario.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace e2e {

// Wine's names of the version classes the program tells apart, and what GetOsVersion makes of each.
struct WindowsVersionClass {
    const char* wineName;   // the value Wine takes: "win95", "winxp", ...
    int classification;     // 1 Windows 95 ... 8 Server 2003, 0 anything else
};

inline void PrintTo(const WindowsVersionClass& version, std::ostream* out)
{
    *out << version.wineName << " (" << version.classification << ")";
}

// Every class the program distinguishes, and three newer systems that all classify as 0.
const std::vector<WindowsVersionClass>& AllWindowsVersionClasses();

// Sets HKCU\Software\Wine\AppDefaults\<program>\Version for each program, so that programs
// started from now on see that version; the destructor removes the settings again.
class WindowsVersionOverride {
public:
    WindowsVersionOverride(const std::vector<std::string>& programs, const std::string& wineName);
    ~WindowsVersionOverride();
    WindowsVersionOverride(const WindowsVersionOverride&) = delete;
    WindowsVersionOverride& operator=(const WindowsVersionOverride&) = delete;

    bool Ready() const { return m_ready; }

private:
    std::vector<std::string> m_programs;
    bool m_ready = true;
};

} // namespace e2e
