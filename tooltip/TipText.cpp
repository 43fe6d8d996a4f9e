// The tip's text rules: segments, pages, measured lines and the description prefix.
#include "tooltip/TipText.h"

#include "registry/Token.h"

#include <cstring>

const char kPageArrowRoom[] = "  ";
const char kDescriptionPrefix[] = "Description:";

std::string GetTextSegment(const std::string& text, int n, char ch)
{
    // Segments are fields as the program's field splitter cuts them; there is no segment -1.
    return n < 0 ? std::string() : GetToken(text, n, ch);
}

bool IsDescriptionText(const std::string& toolText)
{
    return toolText.compare(0, sizeof(kDescriptionPrefix) - 1, kDescriptionPrefix) == 0;
}

bool HasTwoPages(const std::string& text)
{
    return text.find('\r') != std::string::npos;
}

std::string PageText(const std::string& text, int nPage)
{
    if (!HasTwoPages(text))
        return text;
    if (nPage != 0)
        return kPageArrowRoom + GetTextSegment(text, 1, '\r');
    return GetTextSegment(text, 0, '\r') + kPageArrowRoom;
}

std::vector<std::string> MeasuredLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start) +
                        kPageArrowRoom);
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

std::string TextOfBuffer(const char* buffer, std::size_t capacity)
{
    if (!buffer)
        return std::string();
    const void* end = std::memchr(buffer, '\0', capacity);
    return std::string(buffer, end ? static_cast<const char*>(end) - buffer : capacity);
}
