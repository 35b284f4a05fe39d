#include "appliance/BindListing.h"

#include "ui/Text.h"

CBindListing ParseBindListing(std::string_view reply) {
    CBindListing listing;
    int start = 0;
    do {
        const int end = Find(reply, "\r\n", start);
        if (end < 0) {
            listing.complete = false;
            break;
        }
        const std::string line = Mid(reply, start, end - start);
        if (line == "+OK")
            break;
        listing.rows.push_back(SplitTableLine(line));
        start = end + 2;
    } while (start < Length(reply));
    return listing;
}
