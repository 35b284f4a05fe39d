#include "appliance/TableEntry.h"

#include "ui/Text.h"

namespace {

// The text before `separator` goes to `before`, the text after it is returned; without the
// separator `before` takes the whole text and nothing is left.
std::string CutAt(std::string_view text, std::string_view separator, std::string& before) {
    const int at = Find(text, separator);
    if (at < 0) {
        before = std::string(text);
        return {};
    }
    before = Left(text, at);
    return Mid(text, at + Length(separator));
}

} // namespace

bool IsAccepted(std::string_view reply) {
    return Left(reply, Length(reply) - 2) == "+OK";
}

CTableEntry SplitTableLine(std::string_view line) {
    CTableEntry entry;
    const int bar = Find(line, '|');
    // A line without any "|" is shown whole where the operator reads it, not in the hidden
    // index column.
    if (bar < 0) {
        entry.name = std::string(line);
        return entry;
    }
    // The double bar stands after the index or before the value; the other one is single.
    const bool doubleFirst = Mid(line, bar + 1, 1) == "|";
    const std::string rest = CutAt(line, doubleFirst ? "||" : "|", entry.index);
    entry.value = CutAt(rest, doubleFirst ? "|" : "||", entry.name);
    return entry;
}
