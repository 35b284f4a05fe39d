#pragma once

#include <string>
#include <string_view>
#include <vector>

// One line of the reply to "repeater": a link from a tree node to a repeater ("R" lines) or a
// device hanging under a tree node (any other first character).
struct CRepeaterLine {
    bool repeater = false;
    std::string parentKey;
    // The repeater's own key, which later lines may name as their parent, or the device text.
    std::string key;
    std::string label;
    bool operator==(const CRepeaterLine&) const = default;
};

// The lines of a reply to "repeater", up to the first empty line, the first line that holds
// "+OK" or the last line that has its line end (a reply cut off at the time-out keeps its
// whole lines). Character 1 of a line is a separator; the fields from index 2 on are split
// on "|": "R" parent|child|hops|label, otherwise parent|device|label. A line with fewer "|"
// gets its fields cut where the missing ones would stand. Pure; the reply is untrusted.
std::vector<CRepeaterLine> ParseRepeaterListing(std::string_view reply);
