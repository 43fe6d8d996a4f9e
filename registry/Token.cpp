// GetToken: the field splitter shared by the FCO key pass, the description reader and the version check.
#include "registry/Token.h"

std::string GetToken(const std::string& source, int n, char separator, const LeadBytes& leads)
{
    std::string::size_type start = 0;
    for (int skipped = 0; skipped < n; ++skipped)
    {
        const std::string::size_type next = leads.Find(source, separator, start);
        if (next == std::string::npos)
            return std::string();
        start = next + 1;
    }
    const std::string::size_type end = leads.Find(source, separator, start);
    return source.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
