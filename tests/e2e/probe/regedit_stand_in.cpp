// Stands in for the registry editor in a scenario's working folder, where the command interpreter
// finds it before the real one. Beside it, regedit.mode says what to do: "skip" imports nothing,
// "hold" waits until regedit.release appears and then hands the command to the real editor. It
// leaves regedit.started there as soon as it runs.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {
std::string FolderOfThisProgram()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\') + 1);
}

// The command line without the program's own name.
std::string Arguments()
{
    const char* line = ::GetCommandLineA();
    const bool quoted = *line == '"';
    for (line += quoted ? 1 : 0; *line && (quoted ? *line != '"' : *line != ' '); ++line) {
    }
    return line + (quoted && *line ? 1 : 0);
}
} // namespace

int main()
{
    const std::string folder = FolderOfThisProgram();
    std::ifstream modeFile(folder + "regedit.mode");
    const std::string mode((std::istreambuf_iterator<char>(modeFile)), std::istreambuf_iterator<char>());
    std::ofstream(folder + "regedit.started") << Arguments();
    if (mode != "hold")
        return 0;

    for (int waited = 0; ::GetFileAttributesA((folder + "regedit.release").c_str()) == INVALID_FILE_ATTRIBUTES;
         waited += 50) {
        if (waited > 60000)
            return 1;
        ::Sleep(50);
    }
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string editor = std::string(windows) + "\\regedit.exe";
    std::string commandLine = "\"" + editor + "\"" + Arguments();
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(editor.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return 1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return 0;
}
