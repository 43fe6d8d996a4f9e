// Reading the FCO list's self-drawn check boxes off the screen.
#pragma once

#include "tests/e2e/driver/ListViewReader.h"

#include <string>

namespace e2e {

// Waits until the Status cell of row `ticked` shows a tick and that of row `clear` shows none:
// the tick's black pixels stand where the clear box is white inside. On failure, pictures of
// both cells go to *pictures.
bool ShowsTickOnlyIn(const ListViewReader& list, int ticked, int clear, std::string* pictures);

} // namespace e2e
