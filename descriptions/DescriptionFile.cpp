// Reading a machine type's description file from disk.
#include "descriptions/DescriptionFile.h"

#include "framework/File.h"
#include "framework/Strings.h"

#include <new>

BOOL ReadCatalogueFile(const std::string& path, DescriptionSink& sink)
{
    std::string bytes;
    {
        CFile file;
        if (!file.OpenForReading(path) || !file.ReadAll(bytes))
            return FALSE;
    }
    try {
        ParseDescriptionText(bytes, sink, SystemLeadBytes());
    } catch (const std::bad_alloc&) {
        // A catalogue too large to hold is treated like a missing one: what reached the sink
        // before stays, and the program goes on.
        return FALSE;
    }
    return TRUE;
}
