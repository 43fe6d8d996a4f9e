// The real mouse pointer, moved and clicked from the test process: under Xvfb the program gets real mouse messages.
#pragma once

#include <windows.h>

namespace e2e {

POINT CentreOf(const RECT& rect);
// False when the pointer does not get there.
bool MoveMouse(POINT screen);
enum class MouseButton { Left, Right };

// Moves there and clicks, holding the button a quarter of a second: Wine's list view
// selects a row on a right click only when the button comes up a moment after it went down.
void Click(POINT screen, MouseButton button);

} // namespace e2e
