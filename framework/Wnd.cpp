// CWnd's few out-of-line shims.
#include "framework/Wnd.h"

#include <vector>

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    m_hWnd = hWnd;
    PreSubclassWindow();
    return hWnd != nullptr;
}

std::string CWnd::GetWindowText() const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(length + 1);
    const int copied = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? copied : 0);
}

CRect CWnd::GetClientRect() const
{
    CRect rect;
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

CRect CWnd::GetWindowRect() const
{
    CRect rect;
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}
