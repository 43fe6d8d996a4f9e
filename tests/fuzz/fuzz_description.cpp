// Fuzz target: description files and the text helpers never crash and keep their invariants.
#include "descriptions/DescriptionSyntax.h"
#include "registry/FcoValueRules.h"
#include "registry/Token.h"
#include "registry/WrapText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
bool IsTrimmed(const std::string& field)
{
    static const char kWhiteSpace[] = " \t\r\n\v\f";
    return field.empty() || (field.find_first_of(kWhiteSpace) != 0 &&
                             field.find_last_of(kWhiteSpace) != field.size() - 1);
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const DescriptionCatalogue catalogue = ParseDescriptionText(bytes);
    Check(catalogue.hasDateLine || catalogue.rows.empty());
    Check(catalogue.date.find('@') == std::string::npos);
    Check(catalogue.date.find('\n') == std::string::npos);
    for (const DescriptionRow& row : catalogue.rows)
    {
        Check(row.identifier.find('@') == std::string::npos);
        Check(row.component.find('@') == std::string::npos);
        Check(IsTrimmed(row.identifier) && IsTrimmed(row.component) && IsTrimmed(row.description));
    }

    // The helpers are cheap enough to run on a bounded slice of every input.
    const std::string slice = bytes.substr(0, 4096);
    if (slice.size() >= 2)
    {
        const char separator = slice[0];
        const int n = static_cast<unsigned char>(slice[1]) % 8;
        Check(GetToken(slice, n, separator).find(separator) == std::string::npos);
    }

    const std::string wrapped = WrapText80(slice);
    Check(wrapped.size() == slice.size());
    for (std::size_t i = 0; i < slice.size(); ++i)
        Check(wrapped[i] == slice[i] || (slice[i] == ' ' && wrapped[i] == '\n' && i > 80));

    const std::string::size_type split = slice.find('=');
    if (split != std::string::npos)
    {
        const FcoRecord record = NormaliseFcoValue(slice.substr(0, split), slice.substr(split + 1), "01/01/06");
        Check(record.szName.find(' ') == std::string::npos);
        Check(record.szDate.size() <= 8);
    }
    return 0;
}
