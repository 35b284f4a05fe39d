#pragma once

#include <string>
#include <string_view>
#include <vector>

// One row of the Serial Hub routing table.
struct CRoute {
    std::string from;
    std::string to;
    bool operator==(const CRoute&) const = default;
};

// The rows of a reply to "route": one per line up to the first empty line or the first line
// that holds "+OK". A line is split at its first ">": "From" without trailing blanks, "To"
// without leading blanks (empty when the line has no ">"). Any other line, an "-ERR" line
// too, is a row. Pure; the reply is untrusted.
std::vector<CRoute> ParseRouteReply(std::string_view reply);
