// The tip's text rules without Win32: pages, lines, the description stand-in and bounded buffers.
// Texts are cut only between characters of leads' code page.
#pragma once

#include "framework/LeadBytes.h"

#include <cstddef>
#include <string>
#include <vector>

// Room for the page arrow, added to each page and to each measured line.
extern const char kPageArrowRoom[];
// A tool whose own text begins with this shows the window's description instead.
extern const char kDescriptionPrefix[];

// Segment n (from 0) of text cut at every ch, without the separators; empty when
// the text has fewer than n + 1 segments or n is negative.
std::string GetTextSegment(const std::string& text, int n, char ch, const LeadBytes& leads = kSingleByte);

// Whether a tool's own text asks for the description: the prefix, case-sensitive, at the start.
bool IsDescriptionText(const std::string& toolText);

// A carriage return makes a text of two pages.
bool HasTwoPages(const std::string& text, const LeadBytes& leads = kSingleByte);

// What a page of text shows: a one-page text as it is; of a two-page text the
// part before the first carriage return with arrow room after it (page 0), or
// arrow room followed by the part up to the second (any other page).
std::string PageText(const std::string& text, int nPage, const LeadBytes& leads = kSingleByte);

// The lines of text at each line feed (empty lines count), each followed by
// arrow room: what the widest-line measure measures.
std::vector<std::string> MeasuredLines(const std::string& text, const LeadBytes& leads = kSingleByte);

// The text a fixed-size character buffer holds: up to its first NUL, and never
// more than capacity bytes, the last character whole, when it has none.
std::string TextOfBuffer(const char* buffer, std::size_t capacity, const LeadBytes& leads = kSingleByte);
