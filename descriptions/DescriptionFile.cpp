// Reading the machine's description file into the main dialog: the FCO date label and one list row per FCO.
#include "app/FcoDlg.h"

#include "descriptions/DescriptionSyntax.h"
#include "framework/Strings.h"

#include <new>

namespace {
// The whole content of fileName; empty when it cannot be opened, read or held in memory.
std::string ReadWholeFile(const std::string& fileName)
{
    const HANDLE file = ::CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    LARGE_INTEGER size = {};
    if (::GetFileSizeEx(file, &size) && size.QuadPart > 0 && (unsigned long long)size.QuadPart < bytes.max_size()) {
        try {
            bytes.resize((std::string::size_type)size.QuadPart);
        } catch (const std::bad_alloc&) {
            bytes.clear();
        }
        DWORD read = 0;
        if (!bytes.empty() && ::ReadFile(file, &bytes[0], (DWORD)bytes.size(), &read, nullptr))
            bytes.resize(read);
        else
            bytes.clear();
    }
    ::CloseHandle(file);
    return bytes;
}
} // namespace

// Called by FillFcoRows once the FCO key has been normalised.
void CFcoDlg::ReadDescriptionFile(const std::string& fileName)
{
    DescriptionCatalogue catalogue;
    try {
        catalogue = ParseDescriptionText(ReadWholeFile(fileName));
    } catch (const std::bad_alloc&) {
        // A catalogue too large to hold is treated like a missing one.
        return;
    }

    if (catalogue.hasDateLine)
        m_staticFcoDate.SetWindowText(FormatString("FCO Date: %s", catalogue.date.c_str()));
    for (const DescriptionRow& row : catalogue.rows)
        AddFcoRow(row.identifier, row.component, row.description);
}
