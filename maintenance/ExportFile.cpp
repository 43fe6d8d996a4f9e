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

BOOL HoldAndReadRegistryExportFile(CFile& hold, const std::string& path, RegistryExport& file)
{
    std::string bytes;
    if (!hold.OpenAndHold(path) || !hold.ReadAll(bytes)) {
        hold.Close();
        return FALSE;
    }
    file = ParseRegistryExport(bytes, NarrowToAnsi);
    return TRUE;
}
