// Which file names the machine-type and restore pickers offer, and under what name.
#pragma once

#include <string>

// Longest base name the picker offers; a longer one is skipped, since a cut name names no file.
constexpr std::string::size_type kMaxListableBaseNameLength = 99;

// True when fileName ends in exactly these characters, case-sensitive; no dot is required
// before them, so "xreg" matches "reg" and "notes.reg.bak" does not.
bool HasExtension(const std::string& fileName, const std::string& extension);

// The characters before the first dot; the whole name when it has none.
std::string BaseName(const std::string& fileName);

// True when the base name fits the picker's limit.
bool IsListableBaseName(const std::string& base);
