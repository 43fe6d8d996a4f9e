// Syntax of an FCO description file: the catalogue date and one row per FCO line.
#pragma once

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

// Parses the whole content of a description file. Any bytes are accepted; nothing is cut.
DescriptionCatalogue ParseDescriptionText(const std::string& bytes);
