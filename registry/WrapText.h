// Line breaking of FCO descriptions for the tooltip, about every 80 characters.
#pragma once

#include <string>

// Turns into a line feed the first blank at or after each multiple of 80 characters, but never a
// blank at position 80 or before; words are never cut.
std::string WrapText80(std::string text);
