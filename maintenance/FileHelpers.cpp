// The file tests and batch-file writing the maintenance commands share.
#include "maintenance/FileHelpers.h"

#include "framework/File.h"
#include "maintenance/FindFile.h"

BOOL FileExists(const std::string& path)
{
    CFindFile search;
    return search.FindFirst(path);
}

BOOL WriteBatchFile(const std::string& path, const std::string& text)
{
    CFile file;
    if (!file.CreateForWriting(path))
        return FALSE;
    const BOOL written = file.Write(text);
    file.Close();
    return written;
}
