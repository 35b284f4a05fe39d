#include "appliance/ServListing.h"

#include "ui/Text.h"

CHostLine ParseHostLine(std::string_view line) {
    // Without a ":" the whole line is the address and the port is empty.
    const int colon = Find(line, ':');
    const std::string address = colon < 0 ? std::string(line) : Left(line, colon);
    return {ParseDottedAddress(Mid(address, 4)), colon < 0 ? std::string() : Mid(line, colon + 1)};
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
            listing.servers.push_back(SplitTableLine(line));
        }
    } while (start < Length(reply));
    return listing;
}
