// What the benchmarks share: the clock, medians and reports, the FCO key and catalogue they are fed,
// and the start-up of a program timed from outside until its main dialog is visible.
#include "tests/bench/BenchSupport.h"

#include "tests/win/support/TestRegistry.h"

#include <fcntl.h>
#include <io.h>
#include <psapi.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace bench {

namespace {
const int kMostValues = 1000;
const char kMainCaption[] = "Mendwright - Version 1.10";
const char* const kEnvironmentFiles[] = {
    "C:\\Tovren\\farreach\\bin\\service\\JavaService.exe",
    "C:\\Program Files\\Quarra Backup\\QuarraBackup.exe",
    "C:\\Quarra\\Util\\Mendwright\\Mendwright.exe",
};

struct VisibleSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisibleMain(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<VisibleSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    char caption[64] = {};
    if (owner == search->processId && ::IsWindowVisible(hWnd) && ::GetWindowTextA(hWnd, caption, sizeof(caption)) &&
        std::strcmp(caption, kMainCaption) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}
} // namespace

double Seconds(const std::function<void()>& work)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    work();
    ::QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0 : samples[samples.size() / 2];
}

void Report(const std::string& what, const std::vector<double>& measured, const std::vector<double>& baseline,
            const char* baselineName)
{
    const double m = Median(measured);
    const double b = Median(baseline);
    std::printf("  %-46s %9.1f ms   %s %9.1f ms   ratio %5.2f\n", what.c_str(), m * 1000, baselineName, b * 1000,
                b > 0 ? m / b : 0.0);
    std::fflush(stdout);
}

void SeedInstallerKey(const char* path, int values, int step)
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, path);
    HKEY key;
    if (::RegCreateKeyA(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < values; ++i) {
        char name[64], data[64];
        std::snprintf(name, sizeof(name), "FCO%05d remote support", i * step);
        std::snprintf(data, sizeof(data), i % 7 ? "15/07/06 by engineer %d" : "yes %d", i);
        ::RegSetValueExA(key, name, 0, REG_SZ, (const BYTE*)data, (DWORD)std::strlen(data) + 1);
    }
    ::RegCloseKey(key);
}

std::string Catalogue(int rows)
{
    std::string text = "15/07/06@bench catalogue\r\n";
    for (int i = 0; i < rows; ++i) {
        char line[200];
        std::snprintf(line, sizeof(line),
                      "%05d@Component %d@Replaces part %d of the assembly and brings the firmware of the "
                      "unit to the level of the series.\r\n",
                      i, i % 37, i);
        text += line;
    }
    return text + "END;\r\n";
}

void SeedDialogKey(int rows, int values)
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Palvane");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora");
    if (values <= 0)
        values = std::min(kMostValues, std::max(1, rows / 10));
    SeedInstallerKey(kDialogFcoKey, values, std::max(1, rows / values));
}

void PlaceEnvironmentFiles()
{
    for (const char* file : kEnvironmentFiles) {
        std::string path = file;
        for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
            ::CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
        if (std::FILE* f = std::fopen(file, "ab"))
            std::fclose(f);
    }
}

void RemoveEnvironmentFiles()
{
    for (const char* file : kEnvironmentFiles)
        ::DeleteFileA(file);
}

StartUp TimeStartUp(const std::string& commandLine, const std::string& folder)
{
    StartUp result;
    // The program's diagnostics go to a file, as from a console redirected by the engineer.
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    // Beside the folder, not in it: a second .txt file there would make the picker ask.
    const std::string outputPath = folder.substr(0, folder.size() - 1) + ".out";
    const HANDLE output = ::CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION info = {};
    std::string mutableLine = commandLine;
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    const BOOL started = ::CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                          folder.c_str(), &startup, &info);
    ::CloseHandle(output);
    if (!started)
        return result;
    VisibleSearch search = {info.dwProcessId, false};
    const DWORD pollStart = ::GetTickCount();
    while (!search.found && ::GetTickCount() - pollStart < 30000) {
        ::EnumWindows(FindVisibleMain, (LPARAM)&search);
        if (!search.found)
            ::Sleep(1);
    }
    if (!search.found)
        std::printf("  (%s: no visible main dialog within 30 s)\n", commandLine.c_str());
    ::QueryPerformanceCounter(&now);
    if (search.found)
        result.seconds = double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(info.hProcess, &memory, sizeof(memory)))
        result.peakWorkingSet = memory.PeakWorkingSetSize;
    ::TerminateProcess(info.hProcess, 0);
    ::WaitForSingleObject(info.hProcess, 10000);
    ::CloseHandle(info.hProcess);
    ::CloseHandle(info.hThread);
    ::DeleteFileA(outputPath.c_str());
    return result;
}

void RunRegistryEditor(const std::string& arguments)
{
    std::string commandLine = "regedit.exe " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return;
    ::WaitForSingleObject(process.hProcess, 60000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

std::string ThisFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\') + 1);
}

StdoutToFile::StdoutToFile()
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    ::GetTempFileNameA(folder, "mwb", 0, m_path);
    std::fflush(stdout);
    m_saved = _dup(1);
    const int file = _open(m_path, _O_WRONLY | _O_CREAT | _O_TRUNC, _S_IREAD | _S_IWRITE);
    _dup2(file, 1);
    _close(file);
}

StdoutToFile::~StdoutToFile()
{
    std::fflush(stdout);
    _dup2(m_saved, 1);
    _close(m_saved);
    ::DeleteFileA(m_path);
}

} // namespace bench
