// Reading a registry-editor export file from disk, its text in the program's code page.
#include "maintenance/ExportFile.h"

#include "framework/File.h"

#include <vector>

namespace {
std::string NarrowToAnsi(const std::u16string& wide)
{
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is Windows' wide text");
    const wchar_t* units = reinterpret_cast<const wchar_t*>(wide.data());
    const int length = ::WideCharToMultiByte(CP_ACP, 0, units, (int)wide.size(), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(length);
    ::WideCharToMultiByte(CP_ACP, 0, units, (int)wide.size(), buffer.data(), length, nullptr, nullptr);
    return std::string(buffer.data(), length);
}
} // namespace

BOOL ReadRegistryExportFile(const std::string& path, RegistryExport& file)
{
    CFile input;
    std::string bytes;
    if (!input.OpenForReading(path) || !input.ReadAll(bytes))
        return FALSE;
    file = ParseRegistryExport(bytes, NarrowToAnsi);
    return TRUE;
}
