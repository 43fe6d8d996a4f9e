// Reading the machine's description file into the main dialog: the FCO date label and one list row per FCO.
#include "app/FcoDlg.h"

#include "descriptions/DescriptionSyntax.h"
#include "framework/File.h"
#include "framework/Strings.h"

#include <new>

// Called by FillFcoRows once the FCO key has been normalised.
void CFcoDlg::ReadDescriptionFile(const std::string& fileName)
{
    // A file that cannot be opened, read or held in memory reads as an empty one.
    std::string bytes;
    CFile file;
    if (file.OpenForReading(fileName))
        file.ReadAll(bytes);
    file.Close();

    DescriptionCatalogue catalogue;
    try {
        catalogue = ParseDescriptionText(bytes);
    } catch (const std::bad_alloc&) {
        // A catalogue too large to hold is treated like a missing one.
        return;
    }

    if (catalogue.hasDateLine)
        m_staticFcoDate.SetWindowText(FormatString("FCO Date: %s", catalogue.date.c_str()));
    for (const DescriptionRow& row : catalogue.rows)
        AddFcoRow(row.identifier, row.component, row.description);
}
