// Started by the launch tests: writes the show command it was started with beside itself and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    ::GetStartupInfoA(&startup);
    if (std::FILE* report = std::fopen((std::string(path) + ".shown").c_str(), "w")) {
        std::fprintf(report, "%d", (startup.dwFlags & STARTF_USESHOWWINDOW) ? (int)startup.wShowWindow : -1);
        std::fclose(report);
    }
    return 0;
}
