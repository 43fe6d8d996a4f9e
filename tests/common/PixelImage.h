// A copy of pixels a window drew, for tests that check drawing by colour.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class PixelImage {
public:
    // Copies area (in source's coordinates) of a device context; empty when that fails.
    static PixelImage Copy(HDC source, const RECT& area);
    // A rectangle of the screen as it is shown.
    static PixelImage OfScreen(const RECT& screenRect);
    // The client area of a window of this process, from the window's own device
    // context: under Wine that is the surface the window is shown from, complete at
    // once, while the X screen lags behind drawing done outside WM_PAINT.
    static PixelImage OfClient(HWND hWnd);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_pixels.empty(); }
    // CLR_INVALID outside the copy.
    COLORREF At(int x, int y) const;

    // Points no brighter than maxChannel in each channel.
    std::vector<POINT> DarkPoints(int maxChannel = 16) const;
    int CountDark(const RECT& rect, int maxChannel = 64) const;
    // Points of exactly that colour.
    int Count(COLORREF colour) const;
    // Rows of characters ('#' dark, '.' white, '+' other), for failure messages.
    std::string Sketch() const;
    std::string Sketch(const RECT& rect) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};
