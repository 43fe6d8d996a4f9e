// Making sure a folder exists, creating it and every missing folder above it.
#include "maintenance/Folder.h"

#include "maintenance/FindFile.h"

#include <vector>

namespace {
BOOL IsPlainFolder(const std::string& path)
{
    CFindFile search;
    return search.FindFirst(path) && search.GetAttributes() == FILE_ATTRIBUTE_DIRECTORY;
}

// "c:\a\b" gives "c:", "c:\a" and "c:\a\b": each folder on the way, the drive first.
std::vector<std::string> CumulativePrefixes(const std::string& path)
{
    std::vector<std::string> prefixes;
    std::string prefix;
    for (const char c : path) {
        if (c == '\\')
            prefixes.push_back(prefix);
        prefix += c;
    }
    prefixes.push_back(prefix);
    return prefixes;
}
} // namespace

BOOL EnsureFolder(const std::string& path)
{
    if (IsPlainFolder(path))
        return TRUE;
    const std::vector<std::string> prefixes = CumulativePrefixes(path);
    // The drive is never created; the folders below it are, where missing.
    for (std::size_t i = 1; i < prefixes.size(); ++i)
        if (::CreateDirectoryA(prefixes[i].c_str(), nullptr))
            ::SetFileAttributesA(prefixes[i].c_str(), FILE_ATTRIBUTE_NORMAL);
    return IsPlainFolder(path);
}

BOOL IsLinkToElsewhere(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}
