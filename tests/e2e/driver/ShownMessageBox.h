// A message box the program shows: its caption, text, owner and buttons, answered by a posted click.
#pragma once

#include "tests/e2e/driver/WindowReader.h"

#include <string>

namespace e2e {

class ShownMessageBox {
public:
    ShownMessageBox() = default;
    explicit ShownMessageBox(const Window& window) : m_window(window) {}

    explicit operator bool() const { return static_cast<bool>(m_window); }
    const Window& AsWindow() const { return m_window; }

    // The message text: the box's static control 0xFFFF.
    std::string Text() const;
    Window Owner() const { return m_window.Owner(); }
    bool HasButton(int id) const { return static_cast<bool>(m_window.Child(id)); }
    bool Press(int buttonId) const { return m_window.Click(buttonId); }

    static constexpr int kTextId = 0xFFFF;

private:
    Window m_window;
};

} // namespace e2e
