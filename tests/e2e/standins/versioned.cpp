// A program file that carries nothing but the version resource it is built with: it stands in
// for an installed copy of the program of that version.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
