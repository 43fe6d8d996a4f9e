// Which file names the machine-type and restore pickers offer, and under what name.
#include "maintenance/NameFilter.h"

bool HasExtension(const std::string& fileName, const std::string& extension)
{
    return fileName.size() >= extension.size() &&
           fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0;
}

std::string BaseName(const std::string& fileName)
{
    return fileName.substr(0, fileName.find('.'));
}

bool IsListableBaseName(const std::string& base)
{
    return base.size() <= kMaxListableBaseNameLength;
}
