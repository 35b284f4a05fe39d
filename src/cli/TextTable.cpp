#include "cli/TextTable.h"

#include <algorithm>

namespace {

std::string FormatLine(const std::vector<std::string>& cells, const std::vector<size_t>& widths) {
    std::string line;
    for (size_t column = 0; column < widths.size(); ++column) {
        const std::string cell = column < cells.size() ? cells[column] : std::string();
        line += cell;
        if (column + 1 < widths.size())
            line += std::string(widths[column] - cell.size() + 2, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line + "\n";
}

} // namespace

std::string FormatTable(const std::vector<std::string>& headers,
                        const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths(headers.size());
    for (size_t column = 0; column < headers.size(); ++column) {
        widths[column] = headers[column].size();
        for (const std::vector<std::string>& row : rows)
            if (column < row.size())
                widths[column] = std::max(widths[column], row[column].size());
    }
    std::string table = FormatLine(headers, widths);
    for (const std::vector<std::string>& row : rows)
        table += FormatLine(row, widths);
    return table;
}
