// Line breaking of FCO descriptions for the tooltip, about every 80 characters.
#include "registry/WrapText.h"

#include <vector>

std::string WrapText80(std::string text, const LeadBytes& leads)
{
    std::vector<std::string::size_type> blanks;
    for (std::string::size_type at = 0; at < text.size(); at = leads.Next(text.data(), text.size(), at))
        if (text[at] == ' ')
            blanks.push_back(at);

    // Each multiple of 80 takes the first blank at or after it that no earlier one broke.
    std::vector<std::string::size_type>::const_iterator blank = blanks.begin();
    for (std::string::size_type k = 0; k <= text.size() / 80; ++k)
    {
        while (blank != blanks.end() && *blank < 80 * k)
            ++blank;
        if (blank != blanks.end() && *blank > 80)
            text[*blank++] = '\n';
    }
    return text;
}
