// Fuzz target: version and date comparisons are consistent orders, and a file's date line is taken safely.
#include "maintenance/VersionCompare.h"
#include "registry/Token.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// True when no comma-separated field among the first four is long enough to reach the field limit.
bool HasShortFields(const std::string& version)
{
    for (int n = 0; n < 4; ++n)
        if (GetToken(version, n, ',').size() > 6)
            return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Three texts, split at line feeds, compared with each other in every way.
    const std::string a = GetToken(bytes, 0, '\n');
    const std::string b = GetToken(bytes, 1, '\n');
    const std::string c = GetToken(bytes, 2, '\n');

    Check(!IsVersionNewer(a, a) && !IsDateNewer(a, a));
    Check(!(IsVersionNewer(a, b) && IsVersionNewer(b, a)));
    Check(!(IsDateNewer(a, b) && IsDateNewer(b, a)));
    Check(!(IsVersionNewer(a, b) && IsVersionNewer(b, c)) || IsVersionNewer(a, c));
    Check(!(IsDateNewer(a, b) && IsDateNewer(b, c)) || IsDateNewer(a, c));

    // Versions that are equal field by field give the same number.
    const int numberA = VersionToNumber(a);
    if (!IsVersionNewer(a, b) && !IsVersionNewer(b, a))
        Check(numberA == VersionToNumber(b));
    // Within the field limit the number is what atol makes of the fields.
    if (HasShortFields(a))
    {
        const long expected = std::atol(GetToken(a, 0, ',').c_str()) * 1000 +
                              std::atol(GetToken(a, 1, ',').c_str()) * 100 +
                              std::atol(GetToken(a, 2, ',').c_str()) * 10 + std::atol(GetToken(a, 3, ',').c_str());
        Check(numberA == expected);
    }

    const std::string date = FileDateOfText(bytes);
    Check(date.find_first_of(std::string("\n@\0", 3)) == std::string::npos);
    Check(date.empty() || (date[0] != ' ' && date[0] != '\t'));
    Check(bytes.find(date) != std::string::npos);
    return 0;
}
