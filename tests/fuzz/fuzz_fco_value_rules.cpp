// Fuzz target: the normalising rules over arbitrary value names, data and types keep the FCO
// value format, and the restore check accepts a key that holds just what its export holds.
#include "maintenance/RestoreCheck.h"
#include "registry/FcoValueRules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace
{
const char kToday[] = "31/12/99";
const std::uint32_t kRegSzType = 1;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Reads a length-prefixed field; the input's end cuts it short.
std::string Field(const std::uint8_t*& data, const std::uint8_t* end)
{
    if (data == end)
        return std::string();
    const std::size_t length = *data++;
    const std::size_t available = static_cast<std::size_t>(end - data);
    const std::size_t taken = length < available ? length : available;
    std::string field(reinterpret_cast<const char*>(data), taken);
    data += taken;
    return field;
}
}  // namespace

// The input is a list of values: name, type byte, data, each length-prefixed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::uint8_t* const end = data + size;
    std::vector<RegistryExportValue> exported;
    std::vector<FcoRecord> records;
    while (data != end && exported.size() < 64)
    {
        RegistryExportValue value;
        value.name = Field(data, end);
        value.type = data != end ? *data++ : 0;
        value.data = Field(data, end);
        // As the registry reads a string value: up to its first zero, stored or not.
        if (value.type == kRegSzType)
            value.text = value.data.substr(0, value.data.find('\0'));
        exported.push_back(value);

        // The pass reads any other type as no text at all.
        const FcoRecord record =
            NormaliseFcoValue(value.name, value.type == kRegSzType ? value.text : std::string(), kToday);
        records.push_back(record);

        Check(record.szName.find(' ') == std::string::npos);
        Check(record.szName.size() <= value.name.size());
        Check(value.name.find(record.szName) != std::string::npos);
        Check(record.szDate.size() <= 8);
        Check(record.szDate.find('/') != std::string::npos);
        Check(record.szDate == kToday || value.text.compare(0, record.szDate.size(), record.szDate) == 0);
    }

    const FcoDates dates = IndexFcoRecords(records);
    for (const auto& entry : dates)
    {
        Check(!entry.first.empty());
        // The date of a name is that of the last record of that name.
        std::string last;
        for (const FcoRecord& record : records)
            if (record.szName == entry.first)
                last = record.szDate;
        Check(entry.second == last);
    }

    // A key read back just as the import wrote it (a later value of a name replacing an earlier
    // one; only strings read as text) holds what its export holds.
    std::map<std::string, std::string> readBack;
    for (const RegistryExportValue& value : exported)
        readBack[value.name] = value.type == kRegSzType ? value.text : std::string();
    Check(FindDifferingFcos(exported, readBack, kToday).empty());
    return 0;
}
