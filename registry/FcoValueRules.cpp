// Normal form of one FCO registry value: identifier as value name, dd/mm/yy date as data.
#include "registry/FcoValueRules.h"

#include "registry/Token.h"

FcoRecord NormaliseFcoValue(const std::string& valueName, const std::string& data,
                            const std::string& today, const LeadBytes& leads)
{
    FcoRecord record;

    // Installers may append remarks after the date; a text without '/' is no date at all.
    record.szDate = leads.Cut(data, 8);
    if (record.szDate.find('/') == std::string::npos)
        record.szDate = today;

    // Installers name values "FCO456 remote support"; the catalogue knows it as "456".
    record.szName = GetToken(valueName, 0, ' ', leads);
    if (record.szName.compare(0, 3, "FCO") == 0)
        record.szName.erase(0, 3);
    return record;
}

FcoDates IndexFcoRecords(const std::vector<FcoRecord>& records)
{
    FcoDates dates;
    dates.reserve(records.size());
    for (const FcoRecord& record : records)
        if (!record.szName.empty())
            dates[record.szName] = record.szDate;
    return dates;
}
