// The class registration and the window procedure of the program's own windows.
#include "framework/CustomWnd.h"

#include "framework/Strings.h"

namespace {
// The link to the object lives in the class's extra bytes, not in the user data
// that anyone holding the handle may overwrite.
const int kObjectSlot = 0;
} // namespace

CCustomWnd::~CCustomWnd()
{
    DestroyWindow();
}

std::string CCustomWnd::RegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    const std::string name = FormatString("Mendwright:%x:%p:%p:%p", nClassStyle, (void*)hCursor,
                                          (void*)hbrBackground, (void*)hIcon);
    const HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, name.c_str(), &wc))
        return name;
    wc.style = nClassStyle;
    wc.lpfnWndProc = WindowProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = hInstance;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name.c_str();
    return ::RegisterClassA(&wc) ? name : std::string();
}

BOOL CCustomWnd::CreateEx(DWORD dwExStyle, const std::string& className, LPCSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int cx, int cy, HWND hWndParent, HMENU hMenu)
{
    assert(m_hWnd == nullptr);
    if (className.empty())
        return FALSE;
    // WM_NCCREATE stores the handle in m_hWnd before CreateWindowEx returns.
    const HWND hWnd = ::CreateWindowExA(dwExStyle, className.c_str(), lpszWindowName, dwStyle, x, y, cx, cy,
                                        hWndParent, hMenu, ::GetModuleHandleA(nullptr), this);
    return hWnd != nullptr;
}

BOOL CCustomWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CCustomWnd::WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCustomWnd* self;
    if (msg == WM_NCCREATE) {
        self = static_cast<CCustomWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            ::SetWindowLongPtrA(hWnd, kObjectSlot, (LONG_PTR)self);
            self->m_hWnd = hWnd;
        }
    } else {
        self = reinterpret_cast<CCustomWnd*>(::GetWindowLongPtrA(hWnd, kObjectSlot));
    }
    // Messages before WM_NCCREATE, and windows created without an object.
    if (!self)
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);

    LRESULT result;
    try {
        result = self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the window manager.
        result = ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, kObjectSlot, 0);
        self->m_hWnd = nullptr;
    }
    return result;
}
