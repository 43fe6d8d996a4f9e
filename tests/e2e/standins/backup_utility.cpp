// Stands in for the registry backup utility: leaves "started.txt" beside itself and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = "";
    const std::string self(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    const std::string marker = self.substr(0, self.rfind('\\') + 1) + "started.txt";
    const HANDLE file = ::CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    ::CloseHandle(file);
    return 0;
}
