// The program's entry point and its one application object.
#include "app/FcoApp.h"

CFcoApp theApp;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    return CWinApp::Run(hInstance);
}
