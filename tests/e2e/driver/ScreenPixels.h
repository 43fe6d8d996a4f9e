// A copy of part of the screen, to look at what the program drew itself.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class ScreenImage {
public:
    // Copies the rectangle (screen coordinates) from the desktop; empty when that fails.
    static ScreenImage Capture(const RECT& screenRect);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_pixels.empty(); }
    COLORREF At(int x, int y) const;

    // Points (relative to the captured rectangle) whose colour is black or nearly so.
    std::vector<POINT> DarkPoints(int maxChannel = 16) const;
    // Rows of text, one character per pixel ('#' dark, '.' white, '+' other), for failure messages.
    std::string Sketch() const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

} // namespace e2e
