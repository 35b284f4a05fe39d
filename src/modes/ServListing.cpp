#include "modes/ServListing.h"

#include "ui/Text.h"

#include <tuple>
#include <utility>

namespace {

// Splits `text` at the first `separator`: what comes before it, and what follows it (empty
// when there is no separator).
std::pair<std::string, std::string> SplitAt(std::string_view text, std::string_view separator) {
    const int at = Find(text, separator);
    if (at < 0)
        return {std::string(text), std::string()};
    return {Left(text, at), Mid(text, at + Length(separator))};
}

} // namespace

CServerLine SplitServerLine(std::string_view line) {
    const int bar = Find(line, '|');
    if (bar < 0)
        return {"", std::string(line), ""};
    CServerLine server;
    server.index = Left(line, bar);
    // index "||" address "|" IP:Port, or index "|" name "||" IP:Port.
    const bool addressFirst = Mid(line, bar + 1, 1) == "|";
    const std::string rest = Mid(line, bar + (addressFirst ? 2 : 1));
    std::tie(server.name, server.ipPort) = SplitAt(rest, addressFirst ? "|" : "||");
    return server;
}

CHostLine ParseHostLine(std::string_view line) {
    const auto [address, port] = SplitAt(line, ":");
    return {ParseDottedAddress(Mid(address, 4)), port};
}

CServListing ParseServListing(std::string_view reply, ServWalk walk) {
    CServListing listing;
    int start = 0;
    do {
        const int end = Find(reply, "\r\n", start);
        if (end < 0) {
            listing.imperfect = true;
            break;
        }
        const std::string line = Mid(reply, start, end - start);
        start = end + 2;
        if (Left(line, 3) == "+OK") {
            listing.host = ParseHostLine(line);
            if (walk == ServWalk::UntilHostLine)
                break;
        } else {
            listing.servers.push_back(SplitServerLine(line));
        }
    } while (start < Length(reply));
    return listing;
}
