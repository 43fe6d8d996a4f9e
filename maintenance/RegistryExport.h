// Reads the files the system registry editor exports: key sections and their values, as an import would store them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Registry type numbers the reader treats specially; every other number is kept as it is.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;

struct RegistryExportValue
{
    std::string name;        // "" is the key's default value, written @ in the file
    std::uint32_t type = 0;  // the registry type number
    std::string data;        // the bytes the single-byte registry functions would return
    // REG_SZ and REG_EXPAND_SZ: data up to its first zero, as the program reads strings.
    // REG_MULTI_SZ: data without its closing zeros, the strings separated by one zero each.
    // Empty for every other type.
    std::string text;
};

struct RegistryExportSection
{
    std::string keyPath;  // as written between the brackets, root key included
    std::vector<RegistryExportValue> values;  // in file order
};

struct RegistryExport
{
    // The importer refuses a file whose first line is neither header; such a file restores nothing.
    bool headerRecognised = false;
    bool wideText = false;  // UTF-16 with byte-order mark; its text went through the narrowing
    std::vector<RegistryExportSection> sections;  // in file order; key deletions are left out
    // Lines that open a section not kept in sections: key deletions ("[-...]") and lines with no
    // usable key name. The importer may still act on them.
    std::size_t unkeptSections = 0;
    // Lines not understood whole: any line but the header, blank lines, comments, sections and
    // values with their continuations; a value the importer refuses or one that deletes (the
    // reader skips both), a value outside a kept section, text after a section's closing bracket,
    // a line holding a zero or another control character but the tab. The importer may read
    // any of them otherwise than the reader does.
    std::size_t unreadLines = 0;
};

// Turns UTF-16 text into the program's single-byte text. A zero code unit never reaches it.
using NarrowText = std::string (*)(const std::u16string& wide);

// The narrowing used when the caller has none: code units below 256 become the same byte, others '?'.
std::string NarrowByCodeUnit(const std::u16string& wide);

// Parses a whole export file. Single-byte text ("REGEDIT4") and UTF-16LE with byte-order mark
// ("Windows Registry Editor Version 5.00") are read; a line ends at CR, LF or CRLF, as the
// importer ends it. A line that is not understood is skipped and counted; a value outside a
// usable section is dropped. Input that cannot be
// held in memory gives the empty result.
RegistryExport ParseRegistryExport(const std::string& bytes, NarrowText narrow = NarrowByCodeUnit);

// The form in which the registry compares key and value names: ASCII letters folded to lower case.
// Other letters are left as they are: how they pair up depends on the code page.
std::string AsciiLower(std::string text);

// True when the file has a section of keyPath (root key included, compared without regard to
// ASCII case), even one without values: importing it puts that key back.
bool HasSection(const RegistryExport& file, const std::string& keyPath);

// The values an import of the file leaves in keyPath (root key included, compared without
// regard to ASCII case): every section of that key in file order, a later value of the same
// name replacing the data of the earlier one, as the registry does.
std::vector<RegistryExportValue> ValuesOfKey(const RegistryExport& file, const std::string& keyPath);

// True when importing the file can touch nothing but keyPath (root key included, compared
// without regard to ASCII case): a recognised header, every section that key itself (not a
// subkey: the program writes none, and a key with one cannot be deleted by a restore on NT), no
// section the reader did not keep (a key deletion, an unusable key name) and no line it did not
// understand whole.
bool ImportsOnlyKey(const RegistryExport& file, const std::string& keyPath);
