// Stands in for the remote-support service's installer: shows its setup window for the time that
// "setup.txt" beside it gives ("<milliseconds> <1 to install> [<1 to broadcast>]"), then installs
// the service's program file if asked, tells every top-level window that the environment changed
// if asked (SendMessage to HWND_BROADCAST, as installers do, waiting for each window's answer),
// and closes.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
const char kServiceProgram[] = "C:\\Tovren\\farreach\\bin\\service\\JavaService.exe";
const UINT_PTR kDoneTimer = 1;
bool g_install = false;
bool g_broadcast = false;

void InstallService()
{
    const std::string path = kServiceProgram;
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
        ::CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    const HANDLE file = ::CreateFileA(kServiceProgram, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
}

LRESULT CALLBACK SetupWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_TIMER:
        ::KillTimer(hWnd, kDoneTimer);
        if (g_install)
            InstallService();
        if (g_broadcast)
            ::SendMessageA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, (LPARAM) "Environment");
        ::DestroyWindow(hWnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = "";
    const std::string self(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    unsigned milliseconds = 0;
    int install = 0;
    int broadcast = 0;
    if (FILE* setup = std::fopen((self.substr(0, self.rfind('\\') + 1) + "setup.txt").c_str(), "r")) {
        if (std::fscanf(setup, "%u %d %d", &milliseconds, &install, &broadcast) < 2)
            milliseconds = 0;
        std::fclose(setup);
    }
    g_install = install != 0;
    g_broadcast = broadcast != 0;

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = SetupWindowProc;
    windowClass.hInstance = hInstance;
    windowClass.lpszClassName = "StandinSetup";
    ::RegisterClassA(&windowClass);
    const HWND window = ::CreateWindowA("StandinSetup", "Velmora Farreach Setup", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        0, 0, 300, 120, nullptr, nullptr, hInstance, nullptr);
    if (!window)
        return 1;
    ::SetTimer(window, kDoneTimer, milliseconds, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0;
}
