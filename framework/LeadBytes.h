// Which bytes of single-byte text begin a double-byte character, and the steps and cuts that keep
// such characters whole. Plain C++, so the text rules built on it run anywhere; the system code
// page's rule is SystemLeadBytes() (framework/Strings.h).
#pragma once

#include <cstddef>
#include <string>

class LeadBytes {
public:
    // A single-byte code page: no byte leads.
    LeadBytes() = default;
    // Bytes first to last lead.
    LeadBytes& Add(unsigned char first, unsigned char last);

    bool IsLead(char byte) const { return m_lead[static_cast<unsigned char>(byte)]; }
    // Where the character at position (its first byte) ends. A lead byte takes the byte after it,
    // as CharNextA steps, unless the text ends there or that byte is zero.
    std::size_t Next(const char* text, std::size_t length, std::size_t position) const;
    // The first character at or after from, itself a character's first byte, that is ch; npos
    // when there is none.
    std::size_t Find(const std::string& text, char ch, std::size_t from = 0) const;
    // The length of the longest start of text that is at most maxBytes long and holds whole
    // characters only: a lead byte at the end of the bytes given, or before a zero, has lost the
    // rest of its character.
    std::size_t WholeLength(const char* text, std::size_t length, std::size_t maxBytes) const;
    std::string Cut(const std::string& text, std::size_t maxBytes) const
    {
        return text.substr(0, WholeLength(text.data(), text.size(), maxBytes));
    }

private:
    bool m_lead[256] = {};
};

// The rule of a single-byte code page, for texts whose caller knows no other.
extern const LeadBytes kSingleByte;
