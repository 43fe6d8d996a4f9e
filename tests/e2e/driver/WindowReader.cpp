// A window of the program seen from outside: texts, geometry, combo items, posted clicks.
#include "tests/e2e/driver/WindowReader.h"

#include "tests/e2e/driver/Text.h"

#include <sstream>

namespace e2e {

namespace {
bool SendWithTimeout(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, DWORD_PTR* result)
{
    DWORD_PTR answer = 0;
    const LRESULT sent = ::SendMessageTimeoutW(hWnd, msg, wParam, lParam, SMTO_ABORTIFHUNG,
                                               kSendTimeoutMs, &answer);
    if (result)
        *result = answer;
    return sent != 0;
}
} // namespace

std::string Window::Text() const
{
    DWORD_PTR length = 0;
    if (!m_hWnd || !SendWithTimeout(m_hWnd, WM_GETTEXTLENGTH, 0, 0, &length))
        return std::string();
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendWithTimeout(m_hWnd, WM_GETTEXT, text.size(), (LPARAM)&text[0], &copied))
        return std::string();
    text.resize(copied);
    return Narrow(text);
}

std::string Window::ClassName() const
{
    char name[256] = "";
    if (m_hWnd)
        ::GetClassNameA(m_hWnd, name, sizeof(name));
    return name;
}

bool Window::IsVisible() const
{
    return m_hWnd && ::IsWindowVisible(m_hWnd);
}

bool Window::IsEnabled() const
{
    return m_hWnd && ::IsWindowEnabled(m_hWnd);
}

Window Window::Child(int id) const
{
    return Window(m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr);
}

Window Window::Owner() const
{
    return Window(m_hWnd ? ::GetWindow(m_hWnd, GW_OWNER) : nullptr);
}

RECT Window::ClientRect() const
{
    RECT rect = {};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT Window::ScreenRect() const
{
    RECT rect = {};
    if (m_hWnd)
        ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT Window::RectInParent() const
{
    RECT rect = ScreenRect();
    const HWND parent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (parent)
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Window::Click(int childId) const
{
    const Window button = Child(childId);
    return button && ::PostMessageW(button.Handle(), BM_CLICK, 0, 0);
}

bool Window::Close() const
{
    return m_hWnd && ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

bool Window::SetText(const std::string& text) const
{
    const std::wstring wide = Widen(text);
    DWORD_PTR result = 0;
    return m_hWnd && SendWithTimeout(m_hWnd, WM_SETTEXT, 0, (LPARAM)wide.c_str(), &result) && result;
}

std::vector<std::string> Window::ComboItems() const
{
    std::vector<std::string> items;
    DWORD_PTR count = 0;
    if (!m_hWnd || !SendWithTimeout(m_hWnd, CB_GETCOUNT, 0, 0, &count) || (LONG_PTR)count < 0)
        return items;
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        if (!SendWithTimeout(m_hWnd, CB_GETLBTEXTLEN, i, 0, &length) || (LONG_PTR)length < 0) {
            items.emplace_back("<unreadable>");
            continue;
        }
        std::wstring text(length + 1, L'\0');
        DWORD_PTR copied = 0;
        SendWithTimeout(m_hWnd, CB_GETLBTEXT, i, (LPARAM)&text[0], &copied);
        text.resize((LONG_PTR)copied < 0 ? 0 : copied);
        items.push_back(Narrow(text));
    }
    return items;
}

int Window::ComboSelection() const
{
    DWORD_PTR selection = (DWORD_PTR)CB_ERR;
    if (m_hWnd)
        SendWithTimeout(m_hWnd, CB_GETCURSEL, 0, 0, &selection);
    return (int)(LONG_PTR)selection;
}

bool Window::SelectComboItem(int index) const
{
    DWORD_PTR result = (DWORD_PTR)CB_ERR;
    return m_hWnd && SendWithTimeout(m_hWnd, CB_SETCURSEL, index, 0, &result) &&
           (int)(LONG_PTR)result == index;
}

std::string Window::Describe() const
{
    std::ostringstream out;
    out << ClassName() << " \"" << Text() << "\"" << (IsVisible() ? "" : " (hidden)");
    for (HWND child = m_hWnd ? ::GetWindow(m_hWnd, GW_CHILD) : nullptr; child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const Window control(child);
        out << "\n    id " << ::GetDlgCtrlID(child) << " " << control.ClassName() << " \""
            << control.Text() << "\"" << (control.IsVisible() ? "" : " (hidden)");
    }
    return out.str();
}

std::string DescribeRect(const RECT& rect)
{
    std::ostringstream out;
    out << "(" << rect.left << ", " << rect.top << ") size " << rect.right - rect.left << " x "
        << rect.bottom - rect.top;
    return out.str();
}

} // namespace e2e
