// GetToken: the field splitter shared by the FCO key pass, the description reader and the version check.
#pragma once

#include "framework/LeadBytes.h"

#include <string>

// Field n (counted from 0) of source split at separator; empty when the source has fewer fields.
// A field never contains the separator; adjacent separators give an empty field between them.
// The separator is looked for only at the first byte of each character of leads' code page: in
// code page 932 '@' is also the second byte of characters.
std::string GetToken(const std::string& source, int n, char separator, const LeadBytes& leads = kSingleByte);
