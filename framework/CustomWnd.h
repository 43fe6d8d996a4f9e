// A window of the program's own class whose messages reach its object through one virtual switch.
#pragma once

#include "framework/Wnd.h"

#include <string>

// The object is handed to CreateWindowEx as the creation parameter, linked to the
// window at WM_NCCREATE and unlinked at WM_NCDESTROY; the window's class keeps the
// link in its own extra bytes. A window still alive when the object goes is destroyed.
class CCustomWnd : public CWnd {
public:
    CCustomWnd() = default;
    ~CCustomWnd() override;
    CCustomWnd(const CCustomWnd&) = delete;
    CCustomWnd& operator=(const CCustomWnd&) = delete;

    // Registers, once per set of arguments, a class whose windows dispatch to
    // their object, and returns its name.
    static std::string RegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                        HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);

    BOOL CreateEx(DWORD dwExStyle, const std::string& className, LPCSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int cx, int cy, HWND hWndParent, HMENU hMenu = nullptr);
    BOOL DestroyWindow();

protected:
    // The one switch over the window's messages; the base does default processing.
    virtual LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) { return Default(msg, wParam, lParam); }
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) { return ::DefWindowProcA(m_hWnd, msg, wParam, lParam); }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
