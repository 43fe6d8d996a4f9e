// Reading a registry-editor export file from disk, its text in the program's code page.
#include "maintenance/ExportFile.h"

#include "framework/File.h"
#include "framework/Strings.h"

namespace {
std::string NarrowToAnsi(const std::u16string& wide)
{
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is Windows' wide text");
    return FromWide(CP_ACP, reinterpret_cast<const wchar_t*>(wide.data()), wide.size());
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
