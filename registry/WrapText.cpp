// Line breaking of FCO descriptions for the tooltip, about every 80 characters.
#include "registry/WrapText.h"

std::string WrapText80(std::string text)
{
    const std::string::size_type length = text.size();
    for (std::string::size_type k = 0; k <= length / 80; ++k)
    {
        const std::string::size_type blank = text.find(' ', 80 * k);
        if (blank != std::string::npos && blank > 80)
            text[blank] = '\n';
    }
    return text;
}
