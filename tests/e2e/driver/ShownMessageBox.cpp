// A message box the program shows: its caption, text, owner and buttons, answered by a posted click.
#include "tests/e2e/driver/ShownMessageBox.h"

namespace e2e {

std::string ShownMessageBox::Text() const
{
    return m_window.Child(kTextId).Text();
}

} // namespace e2e
