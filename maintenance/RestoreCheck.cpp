// Whether a restored FCO key holds what its export file holds, judged FCO by FCO.
#include "maintenance/RestoreCheck.h"

#include "registry/FcoValueRules.h"

#include <algorithm>
#include <set>

namespace
{
using DatesByFco = std::map<std::string, std::set<std::string>>;

void AddRecord(DatesByFco& dates, const FcoRecord& record)
{
    if (!record.szName.empty())
        dates[record.szName].insert(record.szDate);
}
}  // namespace

std::vector<std::string> FindDifferingFcos(const std::vector<RegistryExportValue>& exported,
                                           const std::map<std::string, std::string>& readBack,
                                           const std::string& today, const LeadBytes& leads)
{
    std::vector<FcoRecord> records;
    for (const auto& value : readBack)
        records.push_back(NormaliseFcoValue(value.first, value.second, today, leads));
    return FindUnrestoredFcos(exported, records, today, leads);
}

std::vector<std::string> FindUnrestoredFcos(const std::vector<RegistryExportValue>& exported,
                                            const std::vector<FcoRecord>& imported, const std::string& today,
                                            const LeadBytes& leads)
{
    DatesByFco expected;
    for (const RegistryExportValue& value : exported)
        AddRecord(expected,
                  NormaliseFcoValue(value.name, value.type == kRegSz ? value.text : std::string(), today, leads));
    DatesByFco found;
    for (const FcoRecord& record : imported)
        AddRecord(found, record);

    // Both maps are sorted by identifier, so walking them together gives a sorted answer.
    std::vector<std::string> differing;
    auto want = expected.begin();
    auto have = found.begin();
    while (want != expected.end() || have != found.end())
    {
        if (have == found.end() || (want != expected.end() && want->first < have->first))
            differing.push_back((want++)->first);
        else if (want == expected.end() || have->first < want->first)
            differing.push_back((have++)->first);
        else
        {
            if (!std::includes(want->second.begin(), want->second.end(), have->second.begin(), have->second.end()))
                differing.push_back(want->first);
            ++want;
            ++have;
        }
    }
    return differing;
}

bool ImportWroteNothing(const std::vector<RegistryExportValue>& exported, bool keyExists,
                        const std::vector<std::string>& keyValueNames)
{
    if (!keyExists)
        return true;
    if (exported.empty())
        return false;
    std::set<std::string> held;
    for (const std::string& name : keyValueNames)
        held.insert(AsciiLower(name));
    for (const RegistryExportValue& value : exported)
        if (held.count(AsciiLower(value.name)) != 0)
            return false;
    return true;
}
