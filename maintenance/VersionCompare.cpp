// Which copy of the program and which description file is newer: version texts and dd/mm/yy dates.
#include "maintenance/VersionCompare.h"

#include "registry/Token.h"

namespace
{
// Version fields are 16-bit and date fields short; a longer run of digits is held at this bound,
// so that no text can overflow the weighted sum.
const long kFieldLimit = 999999;

// Reads a number as atol does (leading white space, a sign, digits up to the first other
// character), held within kFieldLimit either way.
long ReadNumber(const std::string& text)
{
    std::string::size_type i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    {
        value = value * 10 + (text[i] - '0');
        if (value > kFieldLimit)
            value = kFieldLimit;
    }
    return negative ? -value : value;
}

long Field(const std::string& text, int n, char separator)
{
    return ReadNumber(GetToken(text, n, separator));
}
}  // namespace

int VersionToNumber(const std::string& version)
{
    static const int kWeights[4] = {1000, 100, 10, 1};
    long number = 0;
    for (int n = 0; n < 4; ++n)
        number += Field(version, n, ',') * kWeights[n];
    return static_cast<int>(number);
}

bool IsVersionNewer(const std::string& own, const std::string& installed)
{
    for (int n = 0; n < 4; ++n)
    {
        const long ownField = Field(own, n, ',');
        const long installedField = Field(installed, n, ',');
        if (ownField != installedField)
            return ownField > installedField;
    }
    return false;
}

bool IsDateNewer(const std::string& first, const std::string& second)
{
    // Year (field 2), then month, then day.
    for (int n = 2; n >= 0; --n)
    {
        const long firstField = Field(first, n, '/');
        const long secondField = Field(second, n, '/');
        if (firstField != secondField)
            return firstField > secondField;
    }
    return false;
}

std::string FileDateOfText(const std::string& bytes, const LeadBytes& leads)
{
    const std::string text = bytes.substr(0, bytes.find('\0'));
    std::string line = text.substr(0, text.find('\n'));
    line.erase(0, line.find_first_not_of(" \t"));
    return GetToken(line, 0, '@', leads);
}
