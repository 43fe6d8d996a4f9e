// Fuzz target: export files of any content parse within bounds, keep their invariants, and survive a round trip.
#include "maintenance/RegistryExport.h"
#include "maintenance/RestoreCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace
{
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text)
    {
        if (c == '\n')
            quoted += "\\n";
        else if (c == '\r')
            quoted += "\\r";
        else if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else
            quoted += c;
    }
    return quoted + "\"";
}

// Writes what was read as a single-byte file, every value as hex(type); a name holding a zero
// cannot be written and is left out.
std::string Written(const RegistryExport& file)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string text = "REGEDIT4\r\n\r\n";
    for (const RegistryExportSection& section : file.sections)
    {
        text += "[" + section.keyPath + "]\r\n";
        for (const RegistryExportValue& value : section.values)
        {
            if (value.name.find('\0') != std::string::npos)
                continue;
            char type[16];
            std::snprintf(type, sizeof type, "%lx", static_cast<unsigned long>(value.type));
            text += (value.name.empty() ? std::string("@") : Quoted(value.name)) + "=hex(" + type + "):";
            for (std::size_t i = 0; i < value.data.size(); ++i)
            {
                const unsigned char byte = static_cast<unsigned char>(value.data[i]);
                text += (i % 25 == 0 && i > 0) ? ",\\\r\n  " : i > 0 ? "," : "";
                text += kDigits[byte >> 4];
                text += kDigits[byte & 15];
            }
            text += "\r\n";
        }
    }
    return text;
}

// Whether every section line of the file, found without the reader, names the key itself: split
// as the importer splits lines (at CR, at LF, and at a zero, where its line buffer ends), the text
// after a line's opening bracket (and blanks) is the key's ASCII path, in any ASCII case, and a
// closing bracket.
bool EverySectionIsTheKey(const std::string& bytes, const std::string& key)
{
    const bool wide = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                      static_cast<unsigned char>(bytes[1]) == 0xFE;
    std::u16string text;
    for (std::size_t i = wide ? 2 : 0; i + (wide ? 1 : 0) < bytes.size(); i += wide ? 2 : 1)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (wide ? static_cast<unsigned char>(bytes[i + 1]) << 8 : 0)));
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    static const char16_t kLineEnds[] = {u'\r', u'\n', u'\0'};
    for (std::size_t start = 0, end = 0; end != std::u16string::npos; start = end + 1)
    {
        end = text.find_first_of(std::u16string_view(kLineEnds, 3), start);
        const std::u16string line = text.substr(start, end == std::u16string::npos ? end : end - start);
        std::size_t at = line.find_first_not_of(u" \t");
        if (at == std::u16string::npos || line[at] != u'[')
            continue;
        at = line.find_first_not_of(u" \t", at + 1);
        if (at == std::u16string::npos || line.size() - at < key.size() + 1)
            return false;
        for (std::size_t i = 0; i < key.size(); ++i)
            if (upper(line[at + i]) != upper(static_cast<unsigned char>(key[i])))
                return false;
        if (line[at + key.size()] != u']')
            return false;
    }
    return true;
}

bool SameValue(const RegistryExportValue& a, const RegistryExportValue& b)
{
    return a.name == b.name && a.type == b.type && a.data == b.data && a.text == b.text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const RegistryExport file = ParseRegistryExport(bytes);

    const std::size_t lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n') +
                                                        std::count(bytes.begin(), bytes.end(), '\r')) + 1;
    std::size_t valueCount = 0;
    Check(file.sections.size() <= lines);
    for (const RegistryExportSection& section : file.sections)
    {
        Check(!section.keyPath.empty() && section.keyPath[0] != '-');
        valueCount += section.values.size();
        for (const RegistryExportValue& value : section.values)
        {
            Check(value.data.size() <= bytes.size() && value.name.size() <= bytes.size());
            if (value.type == kRegSz || value.type == kRegExpandSz)
                Check(value.text == value.data.substr(0, value.data.find('\0')));
            else if (value.type == kRegMultiSz)
                Check(value.data.compare(0, value.text.size(), value.text) == 0 &&
                      value.data.find_first_not_of('\0', value.text.size()) == std::string::npos);
            else
                Check(value.text.empty());
        }
    }
    Check(valueCount <= lines);

    // A file the restore would import names no key outside the FCO key, however it is written.
    const std::string fcoKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO";
    if (ImportsOnlyKey(file, fcoKey))
        Check(EverySectionIsTheKey(bytes, fcoKey));

    const RegistryExport again = ParseRegistryExport(Written(file));
    Check(again.headerRecognised && !again.wideText && again.sections.size() == file.sections.size());
    for (std::size_t s = 0; s < file.sections.size(); ++s)
    {
        const RegistryExportSection& before = file.sections[s];
        const RegistryExportSection& after = again.sections[s];
        Check(before.keyPath == after.keyPath);
        std::size_t v = 0;
        for (const RegistryExportValue& value : before.values)
            if (value.name.find('\0') == std::string::npos)
                Check(v < after.values.size() && SameValue(value, after.values[v++]));
        Check(v == after.values.size());
    }

    if (!file.sections.empty())
    {
        const std::vector<RegistryExportValue> values = ValuesOfKey(file, file.sections[0].keyPath);
        Check(!values.empty() || file.sections[0].values.empty());

        // The key read back exactly as exported matches, whatever the names and data.
        std::map<std::string, std::string> readBack;
        for (const RegistryExportValue& value : values)
            readBack[value.name] = value.type == kRegSz ? value.text : std::string();
        Check(FindDifferingFcos(values, readBack, "01/01/06").empty());

        readBack["FCO~fuzz"] = "02/02/02";
        const std::vector<std::string> differing = FindDifferingFcos(values, readBack, "01/01/06");
        Check(std::adjacent_find(differing.begin(), differing.end(),
                                 [](const std::string& a, const std::string& b) { return !(a < b); }) ==
              differing.end());
    }
    return 0;
}
