#pragma once

#include <string>
#include <vector>

// An aligned text table: the headers, then one line per row, each column as wide as its
// widest cell and two blanks apart, no trailing blanks. A row with fewer cells leaves the
// rest empty.
std::string FormatTable(const std::vector<std::string>& headers,
                        const std::vector<std::vector<std::string>>& rows);
