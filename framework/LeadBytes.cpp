// Which bytes of single-byte text begin a double-byte character, and the steps and cuts that keep
// such characters whole.
#include "framework/LeadBytes.h"

const LeadBytes kSingleByte;

LeadBytes& LeadBytes::Add(unsigned char first, unsigned char last)
{
    for (unsigned byte = first; byte <= last; ++byte)
        m_lead[byte] = true;
    return *this;
}

std::size_t LeadBytes::Next(const char* text, std::size_t length, std::size_t position) const
{
    const bool pair = IsLead(text[position]) && position + 1 < length && text[position + 1] != '\0';
    return position + (pair ? 2 : 1);
}

std::size_t LeadBytes::Find(const std::string& text, char ch, std::size_t from) const
{
    for (std::size_t at = from; at < text.size(); at = Next(text.data(), text.size(), at))
        if (text[at] == ch)
            return at;
    return std::string::npos;
}

std::size_t LeadBytes::WholeLength(const char* text, std::size_t length, std::size_t maxBytes) const
{
    std::size_t whole = 0;
    while (whole < length) {
        const std::size_t next = Next(text, length, whole);
        // A lead byte without its second byte: the rest of the character is cut off or lost.
        if (next > maxBytes || (IsLead(text[whole]) && next == whole + 1))
            break;
        whole = next;
    }
    return whole;
}
