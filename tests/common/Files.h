// File-system helpers for the test programs on the Wine drive: whole files, listings, tree removal.
#pragma once

#include <string>
#include <vector>

bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
// Creates the folder and every missing parent.
bool MakeFolders(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& content);
// Empty when the file cannot be read.
std::string ReadWholeFile(const std::string& path);
// Names of the entries of a folder, "." and ".." left out, sorted.
std::vector<std::string> ListFolder(const std::string& folder);
// Removes a file or a folder with everything in it; TRUE when nothing is left.
bool RemoveTree(const std::string& path);
// Joins a folder and a name with exactly one backslash between them.
std::string JoinPath(const std::string& folder, const std::string& name);
