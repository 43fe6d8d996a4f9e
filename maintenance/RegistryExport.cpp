// Reads the files the system registry editor exports: key sections and their values, as an import would store them.
#include "maintenance/RegistryExport.h"

#include <algorithm>
#include <map>
#include <new>
#include <string_view>
#include <utility>

namespace
{
using Units = std::u16string_view;

const char16_t kHeaderAnsi[] = u"REGEDIT4";
const char16_t kHeaderUnicode[] = u"Windows Registry Editor Version 5.00";

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

Units SkipBlanks(Units text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

Units TrimTrailingBlanks(Units text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool StartsWith(Units text, Units prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// UTF-16LE code units of bytes from offset on; an odd last byte holds no character.
std::u16string DecodeUtf16Le(const std::string& bytes, std::size_t offset)
{
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = offset; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8));
    return units;
}

// Only blanks and a comment may follow a value on its line.
bool IsLineEnd(Units rest)
{
    rest = SkipBlanks(rest);
    return rest.empty() || rest.front() == u';';
}

bool IsCommentOrEmpty(Units line)
{
    line = SkipBlanks(line);
    return line.empty() || line.front() == u';';
}

// A zero ends the importer's line early; other control characters are no part of an export.
bool HoldsControlCharacter(Units line)
{
    for (const char16_t unit : line)
        if (unit < 0x20 && unit != u'\t')
            return true;
    return false;
}

int HexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Reads hexadecimal digits up to the first other character; fails on no digit or a value above limit.
bool ReadHexNumber(Units& text, std::uint32_t limit, std::uint32_t& value)
{
    std::size_t digits = 0;
    value = 0;
    for (; digits < text.size() && HexDigitValue(text[digits]) >= 0; ++digits)
    {
        const std::uint32_t digit = static_cast<std::uint32_t>(HexDigitValue(text[digits]));
        if (value > (limit - digit) / 16)
            return false;
        value = value * 16 + digit;
    }
    text.remove_prefix(digits);
    return digits > 0;
}

// Reads a quoted text whose opening quote is already consumed; text is then past the closing quote.
bool ReadQuoted(Units& text, std::u16string& result)
{
    result.clear();
    std::size_t i = 0;
    while (i < text.size())
    {
        char16_t c = text[i++];
        if (c == u'"')
        {
            text.remove_prefix(i);
            return true;
        }
        if (c == u'\\')
        {
            if (i == text.size())
                return false;
            c = text[i++];
            if (c == u'n')
                c = u'\n';
            else if (c == u'r')
                c = u'\r';
            else if (c == u'0')
                return false;  // the importer refuses the whole value
            // Any other escaped character stands for itself, as the importer reads it.
        }
        result.push_back(c);
    }
    return false;
}

// A comma-separated list of bytes; a trailing comma is allowed, and "" is no bytes at all.
bool ReadByteList(Units list, std::string& bytes)
{
    list = SkipBlanks(list);
    while (!list.empty())
    {
        std::uint32_t byte = 0;
        if (!ReadHexNumber(list, 0xFF, byte))
            return false;
        bytes.push_back(static_cast<char>(byte));
        list = SkipBlanks(list);
        if (list.empty())
            break;
        if (list.front() != u',')
            return false;
        list = SkipBlanks(list.substr(1));
    }
    return true;
}

bool IsStringType(std::uint32_t type)
{
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

// The registry ignores case in key and value names. Only ASCII letters are folded: how other
// letters pair up depends on the code page.
char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

class ExportReader
{
public:
    ExportReader(Units text, bool wide, NarrowText narrow) : m_text(text), m_wide(wide), m_narrow(narrow) {}

    RegistryExport Read()
    {
        RegistryExport file;
        file.wideText = m_wide;
        Units line;
        if (ReadLine(line))
        {
            line = SkipBlanks(line);
            file.headerRecognised = line == kHeaderAnsi || line == kHeaderUnicode;
        }
        // A value belongs to the last usable section before it; before the first, there is none.
        bool inSection = false;
        while (ReadLine(line))
        {
            line = SkipBlanks(line);
            if (IsCommentOrEmpty(line))
                continue;
            if (line.front() == u'[')
                inSection = ReadSectionLine(line, file);
            else if (line.front() == u'"' || line.front() == u'@')
            {
                RegistryExportValue value;
                // A value is read even where it will be dropped, so its continuation lines go with it.
                if (ReadValueLine(line, value) && inSection)
                    file.sections.back().values.push_back(std::move(value));
                else
                    ++m_unread;
            }
            else
                ++m_unread;
        }
        file.unreadLines = m_unread;
        return file;
    }

private:
    bool ReadLine(Units& line)
    {
        if (m_next >= m_text.size())
            return false;
        const std::size_t end = std::min(m_text.find_first_of(u"\r\n", m_next), m_text.size());
        line = m_text.substr(m_next, end - m_next);
        m_next = end + (m_text.substr(end, 2) == u"\r\n" ? 2 : 1);
        if (HoldsControlCharacter(line))
            ++m_unread;
        return true;
    }

    // True when the line opens a section whose values are kept.
    bool ReadSectionLine(Units line, RegistryExport& file)
    {
        // A key name may hold ']' itself; the importer takes the path up to the last one.
        const std::size_t close = line.rfind(u']');
        if (close == Units::npos || close < 2 || line[1] == u'-')
        {
            // A key deleted, or no key: values that follow go nowhere.
            ++file.unkeptSections;
            return false;
        }
        if (!SkipBlanks(line.substr(close + 1)).empty())
            ++m_unread;
        RegistryExportSection section;
        section.keyPath = NarrowKeyPath(line.substr(1, close - 1));
        file.sections.push_back(std::move(section));
        return true;
    }

    bool ReadValueLine(Units line, RegistryExportValue& value)
    {
        std::u16string name;
        const bool isDefault = line.front() == u'@';
        line.remove_prefix(1);
        if (!isDefault && !ReadQuoted(line, name))
            return false;
        line = SkipBlanks(line);
        if (line.empty() || line.front() != u'=')
            return false;
        if (!ReadData(SkipBlanks(line.substr(1)), value))
            return false;
        value.name = Narrow(name);
        if (value.type == kRegSz || value.type == kRegExpandSz)
            value.text = value.data.substr(0, value.data.find('\0'));
        else if (value.type == kRegMultiSz)
            value.text = value.data.substr(0, value.data.find_last_not_of('\0') + 1);
        return true;
    }

    bool ReadData(Units data, RegistryExportValue& value)
    {
        if (StartsWith(data, u"\""))
        {
            data.remove_prefix(1);
            std::u16string text;
            if (!ReadQuoted(data, text) || !IsLineEnd(data))
                return false;
            value.type = kRegSz;
            value.data = Narrow(text);
            value.data.push_back('\0');
            return true;
        }
        if (StartsWith(data, u"dword:"))
        {
            data = SkipBlanks(data.substr(6));
            const std::size_t length = data.size();
            std::uint32_t number = 0;
            // The importer takes at most eight digits, leading zeros included.
            if (!ReadHexNumber(data, 0xFFFFFFFF, number) || length - data.size() > 8 || !IsLineEnd(data))
                return false;
            value.type = kRegDword;
            for (int shift = 0; shift < 32; shift += 8)
                value.data.push_back(static_cast<char>((number >> shift) & 0xFF));
            return true;
        }
        std::uint32_t type = kRegBinary;
        if (StartsWith(data, u"hex:"))
            data.remove_prefix(4);
        else if (StartsWith(data, u"hex("))
        {
            data = SkipBlanks(data.substr(4));
            if (!ReadHexNumber(data, 0xFFFFFFFF, type))
                return false;
            data = SkipBlanks(data);
            if (!StartsWith(data, u"):"))
                return false;
            data.remove_prefix(2);
        }
        else
            return false;  // including "-", which deletes a value and so adds none

        std::u16string list;
        std::string bytes;
        if (!CollectByteList(data, list) || !ReadByteList(list, bytes))
            return false;
        value.type = type;
        value.data = m_wide && IsStringType(type) ? NarrowBytes(bytes) : bytes;
        return true;
    }

    // Joins a byte list with its continuation lines: a line ending in a backslash goes on at the
    // next line that is not blank or a comment, and that line must start with a byte.
    bool CollectByteList(Units piece, std::u16string& list)
    {
        for (;;)
        {
            piece = TrimTrailingBlanks(piece.substr(0, piece.find(u';')));
            if (piece.empty() || piece.back() != u'\\')
            {
                list.append(piece);
                return true;
            }
            list.append(piece.substr(0, piece.size() - 1));
            Units next;
            std::size_t lineStart = 0;
            do
            {
                lineStart = m_next;
                if (!ReadLine(next))
                    return false;
            } while (IsCommentOrEmpty(next));
            next = SkipBlanks(next);
            if (HexDigitValue(next.front()) < 0)
            {
                // Not a continuation: the list was cut short, and the line is read on its own.
                m_next = lineStart;
                return false;
            }
            piece = next;
        }
    }

    // File text outside the narrowing (a single-byte file) is taken unit by unit.
    std::string Narrow(Units units) const
    {
        std::string result;
        if (!m_wide)
        {
            result.reserve(units.size());
            for (const char16_t unit : units)
                result.push_back(static_cast<char>(unit));
            return result;
        }
        // Piece by piece between zeros, so that a conversion which stops at a zero sees all of it.
        std::size_t start = 0;
        for (;;)
        {
            const std::size_t zero = units.find(u'\0', start);
            const Units piece = units.substr(start, zero == Units::npos ? Units::npos : zero - start);
            if (!piece.empty())
                result += m_narrow(std::u16string(piece));
            if (zero == Units::npos)
                return result;
            result.push_back('\0');
            start = zero + 1;
        }
    }

    // Key names are compared with fixed ASCII paths: a character outside ASCII, which a narrowing
    // might turn into a similar-looking ASCII one, becomes '?' and so never matches one.
    std::string NarrowKeyPath(Units units) const
    {
        std::string path;
        path.reserve(units.size());
        for (const char16_t unit : units)
            path.push_back(!m_wide || unit < 0x80 ? static_cast<char>(unit) : '?');
        return path;
    }

    // String bytes of a UTF-16 file are UTF-16LE.
    std::string NarrowBytes(const std::string& bytes) const { return Narrow(DecodeUtf16Le(bytes, 0)); }

    Units m_text;
    bool m_wide;
    NarrowText m_narrow;
    std::size_t m_next = 0;
    std::size_t m_unread = 0;
};
}  // namespace

std::string AsciiLower(std::string text)
{
    for (char& c : text)
        c = AsciiLower(c);
    return text;
}

std::string NarrowByCodeUnit(const std::u16string& wide)
{
    std::string result;
    result.reserve(wide.size());
    for (const char16_t unit : wide)
        result.push_back(unit < 256 ? static_cast<char>(unit) : '?');
    return result;
}

RegistryExport ParseRegistryExport(const std::string& bytes, NarrowText narrow)
{
    try
    {
        const bool wide = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                          static_cast<unsigned char>(bytes[1]) == 0xFE;
        std::u16string units;
        if (wide)
        {
            units = DecodeUtf16Le(bytes, 2);
        }
        else
        {
            units.reserve(bytes.size());
            for (const char byte : bytes)
                units.push_back(static_cast<unsigned char>(byte));
        }
        return ExportReader(units, wide, narrow ? narrow : NarrowByCodeUnit).Read();
    }
    catch (const std::bad_alloc&)
    {
        return RegistryExport();
    }
}

bool HasSection(const RegistryExport& file, const std::string& keyPath)
{
    for (const RegistryExportSection& section : file.sections)
        if (EqualsIgnoringAsciiCase(section.keyPath, keyPath))
            return true;
    return false;
}

std::vector<RegistryExportValue> ValuesOfKey(const RegistryExport& file, const std::string& keyPath)
{
    std::vector<RegistryExportValue> values;
    try
    {
        // Value names are compared as the registry does; the name written first is the one kept.
        std::map<std::string, std::size_t> indexByName;
        for (const RegistryExportSection& section : file.sections)
        {
            if (!EqualsIgnoringAsciiCase(section.keyPath, keyPath))
                continue;
            for (const RegistryExportValue& value : section.values)
            {
                const auto found = indexByName.emplace(AsciiLower(value.name), values.size());
                if (found.second)
                    values.push_back(value);
                else
                {
                    RegistryExportValue& earlier = values[found.first->second];
                    earlier.type = value.type;
                    earlier.data = value.data;
                    earlier.text = value.text;
                }
            }
        }
    }
    catch (const std::bad_alloc&)
    {
        values.clear();
    }
    return values;
}

bool ImportsOnlyKey(const RegistryExport& file, const std::string& keyPath)
{
    if (!file.headerRecognised || file.unkeptSections != 0 || file.unreadLines != 0)
        return false;
    for (const RegistryExportSection& section : file.sections)
        if (!EqualsIgnoringAsciiCase(section.keyPath, keyPath))
            return false;
    return true;
}
