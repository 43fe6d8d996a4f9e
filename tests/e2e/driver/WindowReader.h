// A window of the program seen from outside: texts, geometry, combo items, posted clicks.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace e2e {

// Another process may be busy in a fixed sleep; no message to it may block the tests for ever.
constexpr UINT kSendTimeoutMs = 5000;

class Window {
public:
    Window() = default;
    explicit Window(HWND hWnd) : m_hWnd(hWnd) {}

    HWND Handle() const { return m_hWnd; }
    explicit operator bool() const { return m_hWnd && ::IsWindow(m_hWnd); }
    bool operator==(const Window& other) const { return m_hWnd == other.m_hWnd; }

    // WM_GETTEXT sent to the window, so a combo box answers with its edit field.
    std::string Text() const;
    std::string ClassName() const;
    bool IsVisible() const;
    bool IsEnabled() const;
    Window Child(int id) const;
    Window Owner() const;

    // Window rectangle in the client coordinates of the parent (a control in its dialog).
    RECT RectInParent() const;
    RECT ScreenRect() const;
    RECT ClientRect() const;

    // Posted, not sent: the click may open a modal box that would block a sent message.
    bool Click(int childId) const;
    bool Close() const;
    bool SetText(const std::string& text) const;

    // Combo box items through the wide messages (the single-byte ones lose text across processes).
    std::vector<std::string> ComboItems() const;
    int ComboSelection() const;
    bool SelectComboItem(int index) const;

    // Visible static children and buttons with their ids, for failure messages.
    std::string Describe() const;

private:
    HWND m_hWnd = nullptr;
};

std::string DescribeRect(const RECT& rect);

inline std::ostream& operator<<(std::ostream& out, const Window& window)
{
    return out << "window " << window.Handle() << " \"" << window.Text() << "\"";
}

} // namespace e2e
