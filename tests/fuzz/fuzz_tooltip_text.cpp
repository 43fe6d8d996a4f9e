// Fuzz target: the tip's text rules never read outside the text and build pages and lines only from it.
#include "tooltip/TipText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace
{
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool IsPartOf(const std::string& part, const std::string& text)
{
    return text.find(part) != std::string::npos;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // First byte: the separator and the segment asked for; the rest is the text.
    const char separator = static_cast<char>(data[0]);
    const int n = static_cast<int>(data[0] % 8) - 1;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string room(kPageArrowRoom);

    const std::string segment = GetTextSegment(text, n, separator);
    Check(segment.find(separator) == std::string::npos);
    Check(IsPartOf(segment, text));
    Check(n >= 0 || segment.empty());

    // The segments joined again give the text back.
    const std::size_t count = static_cast<std::size_t>(std::count(text.begin(), text.end(), separator)) + 1;
    if (count <= 64)
    {
        std::string joined;
        for (std::size_t i = 0; i < count; ++i)
            joined += (i ? std::string(1, separator) : std::string()) + GetTextSegment(text, static_cast<int>(i), separator);
        Check(joined == text);
        Check(GetTextSegment(text, static_cast<int>(count), separator).empty());
    }

    // Only the text's own characters and the arrow room, on the arrow's side.
    const std::size_t first = text.find('\r');
    for (int page = 0; page < 2; ++page)
    {
        const std::string shown = PageText(text, page);
        if (first == std::string::npos)
        {
            Check(shown == text);
            continue;
        }
        const std::size_t second = text.find('\r', first + 1);
        const std::string expected = page == 0 ? text.substr(0, first)
                                               : text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
        Check(shown == (page == 0 ? expected + room : room + expected));
    }

    const std::vector<std::string> lines = MeasuredLines(text);
    Check(lines.size() == static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t characters = 0;
    for (const std::string& line : lines)
    {
        Check(EndsWith(line, room));
        Check(line.find('\n') == std::string::npos);
        Check(IsPartOf(line.substr(0, line.size() - room.size()), text));
        characters += line.size() - room.size();
    }
    Check(characters + lines.size() - 1 == text.size());

    // An exact-size copy, so that reading one character past the buffer is caught.
    std::unique_ptr<char[]> buffer(new char[text.size() ? text.size() : 1]);
    std::memcpy(buffer.get(), text.data(), text.size());
    const std::string held = TextOfBuffer(buffer.get(), text.size());
    Check(held.size() <= text.size());
    Check(held.find('\0') == std::string::npos);
    Check(text.compare(0, held.size(), held) == 0);
    Check(held.size() == text.size() || text[held.size()] == '\0');

    Check(IsDescriptionText(text) == StartsWith(text, kDescriptionPrefix));
    return 0;
}
