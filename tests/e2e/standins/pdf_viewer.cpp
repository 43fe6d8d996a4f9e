// Stands in for the PDF viewer: writes the command line it was given into "<document>.opened",
// beside the document, and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    std::string document = commandLine;
    if (document.size() >= 2 && document.front() == '"' && document.back() == '"')
        document = document.substr(1, document.size() - 2);
    const HANDLE file = ::CreateFileA((document + ".opened").c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    ::WriteFile(file, commandLine, (DWORD)lstrlenA(commandLine), &written, nullptr);
    ::CloseHandle(file);
    return 0;
}
