// Syntax of an FCO description file: the catalogue date and one row per FCO line.
#include "descriptions/DescriptionSyntax.h"

#include "registry/Token.h"

#include <algorithm>

namespace
{
const char kSeparator = '@';

std::string Trim(const std::string& text)
{
    static const char kWhiteSpace[] = " \t\r\n\v\f";
    const std::string::size_type first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return std::string();
    const std::string::size_type last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

bool StartsWith(const std::string& line, const char (&prefix)[5])
{
    return line.compare(0, 4, prefix) == 0;
}
}  // namespace

void ParseDescriptionText(const std::string& bytes, DescriptionSink& sink, const LeadBytes& leads)
{
    // Editors sometimes pad a file with zeros; the text is what comes before the first one.
    const std::string::size_type textEnd = std::min(bytes.find('\0'), bytes.size());

    std::string::size_type position = 0;
    bool firstLine = true;
    DescriptionRow row;
    while (position < textEnd)
    {
        std::string::size_type lineFeed = bytes.find('\n', position);
        if (lineFeed >= textEnd)
            lineFeed = std::string::npos;
        const bool endsWithLineFeed = lineFeed != std::string::npos;
        const std::string::size_type lineEnd = endsWithLineFeed ? lineFeed : textEnd;

        const std::string::size_type start = bytes.find_first_not_of(" \t", position);
        std::string line;
        if (start != std::string::npos && start < lineEnd)
            line.assign(bytes, start, lineEnd - start);
        position = endsWithLineFeed ? lineFeed + 1 : textEnd;

        if (firstLine)
        {
            // The date is shown as written; only the carriage return of a CRLF line end goes.
            if (endsWithLineFeed && !line.empty() && line.back() == '\r')
                line.pop_back();
            sink.OnDate(GetToken(line, 0, kSeparator, leads));
            firstLine = false;
            continue;
        }

        if (StartsWith(line, "END;"))
            break;
        // A separator line between groups of FCOs names no FCO.
        if (StartsWith(line, "@---"))
            continue;

        row.identifier = Trim(GetToken(line, 0, kSeparator, leads));
        row.component = Trim(GetToken(line, 1, kSeparator, leads));
        row.description = Trim(GetToken(line, 2, kSeparator, leads));
        sink.OnRow(row);
    }
}

DescriptionCatalogue ParseDescriptionText(const std::string& bytes, const LeadBytes& leads)
{
    struct Collector : DescriptionSink
    {
        DescriptionCatalogue catalogue;
        void OnDate(const std::string& date) override
        {
            catalogue.hasDateLine = true;
            catalogue.date = date;
        }
        void OnRow(const DescriptionRow& row) override { catalogue.rows.push_back(row); }
    } collector;
    ParseDescriptionText(bytes, collector, leads);
    return collector.catalogue;
}
