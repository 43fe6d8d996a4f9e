// FCO identifiers listed in a message box: all of them when they are few, the first ones when many.
#include "maintenance/NameList.h"

std::string NameListForMessage(const std::vector<std::string>& names, std::size_t shown)
{
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < shown; ++i)
        text += (i > 0 ? ", " : "") + names[i];
    if (names.size() > shown)
        text += " and " + std::to_string(names.size() - shown) + " more";
    return text;
}
