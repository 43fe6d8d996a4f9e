// Stands in for the registry editor: in the Windows folder in place of the real one, which is kept
// beside it as regedit.real.exe, or in a folder where no program should be started from, as a
// decoy. Beside it, regedit.mode says what to do: "skip" imports nothing,
// "hold" waits until regedit.release appears and then hands the command to the real editor,
// "partial" hands it to the real editor and then takes FCO 458 out of the key again,
// "detach" hands it to a detached copy of itself that runs the real editor 6.5 seconds later and
// returns at once, as a Windows program started from a 9x batch file leaves the batch going on,
// "swap" rewrites the file to import so that it also names another key, as whoever can write the
// backup folder could, and then hands the command to the real editor.
// It leaves regedit.started there as soon as it runs.
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

const char kDetachedMark[] = " --detached";

// Runs program with arguments; with wait, until it has ended. FALSE when it could not start.
bool Run(const std::string& program, const std::string& arguments, DWORD flags, bool wait)
{
    std::string commandLine = "\"" + program + "\"" + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                          &process))
        return false;
    if (wait)
        ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

int RunRealEditor(const std::string& arguments)
{
    return Run(FolderOfThisProgram() + "regedit.real.exe", arguments, 0, true) ? 0 : 1;
}
} // namespace

int main()
{
    const std::string folder = FolderOfThisProgram();
    std::string arguments = Arguments();
    if (arguments.compare(0, sizeof(kDetachedMark) - 1, kDetachedMark) == 0) {
        // Longer than the import's fixed minimum wait on the 9x line.
        ::Sleep(6500);
        return RunRealEditor(arguments.substr(sizeof(kDetachedMark) - 1));
    }
    std::ifstream modeFile(folder + "regedit.mode");
    const std::string mode((std::istreambuf_iterator<char>(modeFile)), std::istreambuf_iterator<char>());
    std::ofstream(folder + "regedit.started") << arguments;
    if (mode == "detach") {
        char self[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        return Run(self, kDetachedMark + arguments, DETACHED_PROCESS, false) ? 0 : 1;
    }
    if (mode == "swap") {
        const std::string::size_type open = arguments.find('"');
        const std::string::size_type close = arguments.find('"', open + 1);
        if (open != std::string::npos && close != std::string::npos)
            std::ofstream(arguments.substr(open + 1, close - open - 1), std::ios::binary)
                << "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]\r\n\"456\"=\"01/01/01\"\r\n\r\n"
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Planted]\r\n\"x\"=\"y\"\r\n";
        return RunRealEditor(arguments);
    }
    if (mode == "partial") {
        const int result = RunRealEditor(arguments);
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora\\FCO", 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            ::RegDeleteValueA(key, "458");
            ::RegCloseKey(key);
        }
        return result;
    }
    if (mode != "hold")
        return 0;

    for (int waited = 0; ::GetFileAttributesA((folder + "regedit.release").c_str()) == INVALID_FILE_ATTRIBUTES;
         waited += 50) {
        if (waited > 60000)
            return 1;
        ::Sleep(50);
    }
    return RunRealEditor(arguments);
}
