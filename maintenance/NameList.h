// FCO identifiers listed in a message box: all of them when they are few, the first ones when many.
#pragma once

#include <string>
#include <vector>

// The names separated by ", "; beyond the first `shown` names only their number is given, so the
// box stays on the screen whatever the list holds.
std::string NameListForMessage(const std::vector<std::string>& names, std::size_t shown = 20);
