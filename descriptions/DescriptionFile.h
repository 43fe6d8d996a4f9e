// Reading a machine type's description file from disk.
#pragma once

#include "descriptions/DescriptionSyntax.h"

#include <windows.h>

#include <string>

// Reads the file at path (relative to the current folder) and hands its date and rows to sink in
// file order. A file that cannot be opened, read or held in memory delivers nothing: FALSE.
BOOL ReadCatalogueFile(const std::string& path, DescriptionSink& sink);
