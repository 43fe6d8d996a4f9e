// Syntax of an FCO description file: the catalogue date and one row per FCO line.
#pragma once

#include "framework/LeadBytes.h"

#include <string>
#include <vector>

struct DescriptionRow
{
    std::string identifier;   // must equal the FCO's value name in the registry
    std::string component;
    std::string description;
};

struct DescriptionCatalogue
{
    bool hasDateLine = false;  // false only for a file without text; the date label is then left alone
    std::string date;
    std::vector<DescriptionRow> rows;  // in file order
};

// Receives a description file's content in file order, one row at a time, so that a large
// catalogue never needs a second copy of all its rows.
class DescriptionSink
{
public:
    virtual ~DescriptionSink() = default;
    virtual void OnDate(const std::string& date) = 0;
    virtual void OnRow(const DescriptionRow& row) = 0;
};

// Parses the whole content of a description file, text of the code page whose lead bytes are
// leads. Any bytes are accepted; nothing is cut.
void ParseDescriptionText(const std::string& bytes, DescriptionSink& sink, const LeadBytes& leads = kSingleByte);
DescriptionCatalogue ParseDescriptionText(const std::string& bytes, const LeadBytes& leads = kSingleByte);
