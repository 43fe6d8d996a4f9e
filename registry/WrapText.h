// Line breaking of FCO descriptions for the tooltip, about every 80 characters.
#pragma once

#include "framework/LeadBytes.h"

#include <string>

// Turns into a line feed the first blank at or after each multiple of 80 bytes, but never a blank
// at position 80 or before; words are never cut. A byte that ends a character of leads' code page
// is never taken for a blank.
std::string WrapText80(std::string text, const LeadBytes& leads = kSingleByte);
