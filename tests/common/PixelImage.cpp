// Copies of drawn pixels for the drawing checks of the Windows and end-to-end tests.
#include "tests/common/PixelImage.h"

namespace {
bool IsDark(COLORREF colour, int maxChannel)
{
    return colour != CLR_INVALID && GetRValue(colour) <= maxChannel && GetGValue(colour) <= maxChannel &&
           GetBValue(colour) <= maxChannel;
}
} // namespace

PixelImage PixelImage::Copy(HDC source, const RECT& area)
{
    PixelImage image;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (!source || width <= 0 || height <= 0)
        return image;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    const HDC memory = ::CreateCompatibleDC(source);
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && bitmap && bits) {
        const HGDIOBJ previous = ::SelectObject(memory, bitmap);
        if (::BitBlt(memory, 0, 0, width, height, source, area.left, area.top, SRCCOPY)) {
            ::GdiFlush();
            const DWORD* pixels = static_cast<const DWORD*>(bits);
            image.m_width = width;
            image.m_height = height;
            image.m_pixels.resize((size_t)width * height);
            for (size_t i = 0; i < image.m_pixels.size(); ++i)
                image.m_pixels[i] = RGB((pixels[i] >> 16) & 0xFF, (pixels[i] >> 8) & 0xFF, pixels[i] & 0xFF);
        }
        ::SelectObject(memory, previous);
    }
    if (bitmap)
        ::DeleteObject(bitmap);
    if (memory)
        ::DeleteDC(memory);
    return image;
}

PixelImage PixelImage::OfScreen(const RECT& screenRect)
{
    const HDC screen = ::GetDC(nullptr);
    PixelImage image = Copy(screen, screenRect);
    ::ReleaseDC(nullptr, screen);
    return image;
}

PixelImage PixelImage::OfClient(HWND hWnd)
{
    RECT client;
    ::GetClientRect(hWnd, &client);
    const HDC dc = ::GetDC(hWnd);
    PixelImage image = Copy(dc, client);
    ::ReleaseDC(hWnd, dc);
    return image;
}

COLORREF PixelImage::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return m_pixels[(size_t)y * m_width + x];
}

std::vector<POINT> PixelImage::DarkPoints(int maxChannel) const
{
    std::vector<POINT> points;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (IsDark(At(x, y), maxChannel))
                points.push_back(POINT{x, y});
    return points;
}

int PixelImage::CountDark(const RECT& rect, int maxChannel) const
{
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            count += IsDark(At(x, y), maxChannel) ? 1 : 0;
    return count;
}

int PixelImage::Count(COLORREF colour) const
{
    int count = 0;
    for (const COLORREF pixel : m_pixels)
        count += pixel == colour ? 1 : 0;
    return count;
}

std::string PixelImage::Sketch() const
{
    return Sketch(RECT{0, 0, m_width, m_height});
}

std::string PixelImage::Sketch(const RECT& rect) const
{
    std::string sketch;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const COLORREF colour = At(x, y);
            sketch += IsDark(colour, 64) ? '#' : colour == RGB(255, 255, 255) ? '.' : '+';
        }
        sketch += '\n';
    }
    return sketch;
}
