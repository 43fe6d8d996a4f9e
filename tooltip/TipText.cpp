// The tip's text rules: segments, pages, measured lines and the description prefix.
#include "tooltip/TipText.h"

#include "registry/Token.h"

#include <cstring>

const char kPageArrowRoom[] = "  ";
const char kDescriptionPrefix[] = "Description:";

std::string GetTextSegment(const std::string& text, int n, char ch, const LeadBytes& leads)
{
    // Segments are fields as the program's field splitter cuts them; there is no segment -1.
    return n < 0 ? std::string() : GetToken(text, n, ch, leads);
}

bool IsDescriptionText(const std::string& toolText)
{
    return toolText.compare(0, sizeof(kDescriptionPrefix) - 1, kDescriptionPrefix) == 0;
}

bool HasTwoPages(const std::string& text, const LeadBytes& leads)
{
    return leads.Find(text, '\r') != std::string::npos;
}

std::string PageText(const std::string& text, int nPage, const LeadBytes& leads)
{
    if (!HasTwoPages(text, leads))
        return text;
    if (nPage != 0)
        return kPageArrowRoom + GetTextSegment(text, 1, '\r', leads);
    return GetTextSegment(text, 0, '\r', leads) + kPageArrowRoom;
}

std::vector<std::string> MeasuredLines(const std::string& text, const LeadBytes& leads)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = leads.Find(text, '\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start) +
                        kPageArrowRoom);
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

std::string TextOfBuffer(const char* buffer, std::size_t capacity, const LeadBytes& leads)
{
    if (!buffer)
        return std::string();
    const void* end = std::memchr(buffer, '\0', capacity);
    if (end)
        return std::string(buffer, static_cast<const char*>(end) - buffer);
    // The character the buffer ends in may go on past it: what lies there is not the text's.
    return std::string(buffer, leads.WholeLength(buffer, capacity, capacity));
}
