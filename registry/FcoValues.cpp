// The normalising pass over the FCO key: every value brought to its normal form and the key rewritten.
#include "registry/FcoValues.h"

#include "framework/Strings.h"
#include "registry/RegistryKey.h"

namespace {
// The registry's own limit on the length of a value name, plus its terminating zero.
const DWORD kLongestValueName = 16383 + 1;

// Name of value index of key; FALSE when it cannot be enumerated.
BOOL EnumValueName(HKEY key, DWORD index, std::vector<char>& buffer, std::string& name)
{
    for (;;) {
        DWORD size = (DWORD)buffer.size();
        const LONG result = ::RegEnumValueA(key, index, buffer.data(), &size, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS) {
            name.assign(buffer.data(), size);
            return TRUE;
        }
        // A value renamed since the key was measured may be longer than any before it.
        if (result != ERROR_MORE_DATA || buffer.size() >= kLongestValueName)
            return FALSE;
        buffer.resize(kLongestValueName);
    }
}
} // namespace

std::vector<FcoRecord> NormaliseFcoKey(HKEY root, const std::string& fcoKey, const std::string& today,
                                       std::FILE* diagnostics)
{
    std::vector<FcoRecord> records;

    CRegistryKey key;
    if (!key.Open(root, fcoKey))
        return records;
    DWORD valueCount = 0;
    DWORD longestName = 0;
    if (::RegQueryInfoKeyA(key.m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount,
                           &longestName, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
        valueCount == 0)
        return records;

    // The lines go out in one write at the end: under Wine each write to a console or to the
    // null device costs up to a millisecond, which a key of thousands of values would feel.
    std::string lines = "\nNumber of values: " + std::to_string(valueCount) + "\n";

    // Everything is read and normalised before the key is deleted, so that the key is missing
    // only while the records are written back.
    records.reserve(valueCount);
    std::vector<char> nameBuffer(longestName + 1);
    bool everyNameRead = true;
    for (DWORD i = 0; i < valueCount; ++i) {
        std::string name;
        std::string data;
        if (EnumValueName(key.m_hKey, i, nameBuffer, name)) {
            key.QueryString(data, name);
            if (diagnostics)
                lines += "(" + std::to_string(i + 1) + ") " + name.c_str() + "\n";
        } else {
            everyNameRead = false;
        }
        records.push_back(NormaliseFcoValue(name, data, today, SystemLeadBytes()));
    }
    if (diagnostics) {
        std::fwrite(lines.data(), 1, lines.size(), diagnostics);
        std::fflush(diagnostics);
    }

    // A value whose name could not be read cannot be written back: keep the key and write the
    // normalised values next to the old ones rather than lose it.
    if (everyNameRead)
        key.DeleteKey("");
    key.Close();

    // The key comes back only when it has a value to hold.
    CRegistryKey rewritten;
    for (const FcoRecord& record : records) {
        if (record.szName.empty())
            continue;
        if (!rewritten.m_hKey && !rewritten.Create(root, fcoKey))
            break;
        rewritten.SetString(record.szDate, record.szName);
    }
    return records;
}
