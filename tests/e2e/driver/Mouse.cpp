// Pointer moves and clicks through the system's input queue.
#include "tests/e2e/driver/Mouse.h"

#include "tests/e2e/driver/Wait.h"

namespace e2e {

namespace {
void SendButton(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(input));
}
} // namespace

POINT CentreOf(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Under Wine a move may reach the X server late, and a program that reads the pointer in the
// meantime gets the old place back. Reading it here waits for the server: once this process
// reads the new place, so does every other.
bool MoveMouse(POINT screen)
{
    return WaitUntil(
        [&] {
            POINT now = {};
            ::SetCursorPos(screen.x, screen.y);
            ::GetCursorPos(&now);
            return now.x == screen.x && now.y == screen.y;
        },
        2000);
}

void Click(POINT screen, MouseButton button)
{
    const bool right = button == MouseButton::Right;
    MoveMouse(screen);
    SendButton(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    ::Sleep(250);
    SendButton(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

} // namespace e2e
