// The normalising pass over the FCO key: every value brought to its normal form and the key rewritten.
#pragma once

#include "registry/FcoValueRules.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// Reads every value of root\fcoKey, normalises it and writes the key anew from the records, later
// records overwriting earlier ones of the same name. Returns one record per value, in enumeration
// order; records with an empty name are not written back. A missing or empty key is left as it is.
// The value count and each enumerated name go to diagnostics (nothing when it is null).
std::vector<FcoRecord> NormaliseFcoKey(HKEY root, const std::string& fcoKey, const std::string& today,
                                       std::FILE* diagnostics);
