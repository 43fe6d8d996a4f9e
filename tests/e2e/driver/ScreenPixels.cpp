// A copy of part of the screen, to look at what the program drew itself.
#include "tests/e2e/driver/ScreenPixels.h"

namespace e2e {

ScreenImage ScreenImage::Capture(const RECT& screenRect)
{
    ScreenImage image;
    const int width = screenRect.right - screenRect.left;
    const int height = screenRect.bottom - screenRect.top;
    if (width <= 0 || height <= 0)
        return image;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && bitmap && bits) {
        const HGDIOBJ previous = ::SelectObject(memory, bitmap);
        if (::BitBlt(memory, 0, 0, width, height, screen, screenRect.left, screenRect.top, SRCCOPY)) {
            ::GdiFlush();
            const auto* source = static_cast<const DWORD*>(bits);
            image.m_width = width;
            image.m_height = height;
            image.m_pixels.resize((size_t)width * height);
            for (size_t i = 0; i < image.m_pixels.size(); ++i) {
                const DWORD bgr = source[i];
                image.m_pixels[i] = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
            }
        }
        ::SelectObject(memory, previous);
    }
    if (bitmap)
        ::DeleteObject(bitmap);
    if (memory)
        ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return image;
}

COLORREF ScreenImage::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return m_pixels[(size_t)y * m_width + x];
}

static bool IsDark(COLORREF colour, int maxChannel)
{
    return GetRValue(colour) <= maxChannel && GetGValue(colour) <= maxChannel &&
           GetBValue(colour) <= maxChannel;
}

std::vector<POINT> ScreenImage::DarkPoints(int maxChannel) const
{
    std::vector<POINT> points;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (IsDark(At(x, y), maxChannel))
                points.push_back(POINT{x, y});
    return points;
}

std::string ScreenImage::Sketch() const
{
    std::string sketch;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const COLORREF colour = At(x, y);
            sketch += IsDark(colour, 16) ? '#' : colour == RGB(255, 255, 255) ? '.' : '+';
        }
        sketch += '\n';
    }
    return sketch;
}

} // namespace e2e
