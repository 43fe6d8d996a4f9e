// GetToken: the field splitter shared by the FCO key pass, the description reader and the version check.
#pragma once

#include <string>

// Field n (counted from 0) of source split at separator; empty when the source has fewer fields.
// A field never contains the separator; adjacent separators give an empty field between them.
std::string GetToken(const std::string& source, int n, char separator);
