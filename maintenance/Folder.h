// Making sure a folder exists, creating it and every missing folder above it.
#pragma once

#include <windows.h>

#include <string>

// Creates path (an absolute path beginning with a drive, "c:\a\b") and every missing folder on
// the way; each folder made here gets normal attributes. TRUE when path names a folder with no
// other attribute than FILE_ATTRIBUTE_DIRECTORY at the end: a folder that also carries another
// attribute (archive, read-only, hidden, system) does not count.
BOOL EnsureFolder(const std::string& path);

// TRUE when path is a junction or symbolic link (a reparse point, Windows 2000 and later): whoever
// made it decides, and may change at any time, where what is written through it ends up.
BOOL IsLinkToElsewhere(const std::string& path);
