#include "pages/RepeaterListing.h"

#include "ui/Text.h"

namespace {

CRepeaterLine SplitLine(std::string_view line) {
    CRepeaterLine fields;
    fields.repeater = Left(line, 1) == "R";
    // Each field holds at least one character, so the next "|" is looked for one further on.
    const int parentEnd = Find(line, '|', 2);
    const int keyEnd = Find(line, '|', parentEnd + 2);
    fields.parentKey = Mid(line, 2, parentEnd - 2);
    fields.key = Mid(line, parentEnd + 1, keyEnd - parentEnd - 1);
    // A repeater line has the hop count before its label; nothing here shows it.
    const int labelStart = fields.repeater ? Find(line, '|', keyEnd + 2) + 1 : keyEnd + 1;
    fields.label = Mid(line, labelStart);
    return fields;
}

} // namespace

std::vector<CRepeaterLine> ParseRepeaterListing(std::string_view reply) {
    std::vector<CRepeaterLine> lines;
    size_t pos = 0;
    while (pos < reply.size()) {
        bool ended = false;
        const std::string_view line = NextLine(reply, pos, &ended);
        if (line.empty() || !ended || Find(line, "+OK") >= 0)
            break;
        lines.push_back(SplitLine(line));
    }
    return lines;
}
