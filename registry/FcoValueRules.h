// Normal form of one FCO registry value: identifier as value name, dd/mm/yy date as data.
#pragma once

#include "framework/LeadBytes.h"

#include <string>
#include <unordered_map>
#include <vector>

struct FcoRecord
{
    std::string szName;  // FCO identifier; empty means the value is dropped from the key
    std::string szDate;  // installation date, at most 8 characters
};

// Reduces a value as found in the FCO key to its normal form. today (dd/mm/yy) replaces a date
// that holds no '/'. A first word of any length is kept whole: cutting it would rename the FCO.
// Name and data are text of the code page whose lead bytes are leads.
FcoRecord NormaliseFcoValue(const std::string& valueName, const std::string& data,
                            const std::string& today, const LeadBytes& leads = kSingleByte);

// FCO identifier -> installation date, as the key holds them once the pass has written its
// records back: a later record of a name overwrites an earlier one, and a record without a name
// is not written.
using FcoDates = std::unordered_map<std::string, std::string>;
FcoDates IndexFcoRecords(const std::vector<FcoRecord>& records);
