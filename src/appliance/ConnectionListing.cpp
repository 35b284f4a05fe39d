#include "appliance/ConnectionListing.h"

#include "ui/Text.h"

namespace {

constexpr int kQualityRedAtMost = 200;
constexpr int kQualityGreenFrom = 215;
constexpr int kSignalRedBelow = -1;

} // namespace

int ConnectionStatusOf(std::string_view quality, std::string_view signal) {
    const int n8 = LeadingInt(quality);
    if (LeadingInt(signal) < kSignalRedBelow || n8 <= kQualityRedAtMost)
        return kStatusRed;
    return n8 < kQualityGreenFrom ? kStatusYellow : kStatusGreen;
}

std::array<std::string, 9> SplitConnectionLine(std::string_view line) {
    std::array<std::string, 9> fields;
    std::string rest(line);
    for (size_t i = 0; i + 1 < fields.size(); ++i) {
        const int bar = Find(rest, '|');
        if (bar < 0)
            continue;
        fields[i] = Left(rest, bar);
        rest = Mid(rest, bar + 1);
    }
    fields.back() = rest;
    return fields;
}

CConnectionListing ParseConnectionListing(std::string_view reply) {
    CConnectionListing listing;
    int start = 0;
    for (;;) {
        const int end = Find(reply, "\r\n", start);
        if (end < 0)
            return listing; // text without a line end: imperfect
        const std::string line = Mid(reply, start, end - start);
        if (line == "+OK") {
            listing.end = ListingEnd::Closed;
            return listing;
        }
        const std::array<std::string, 9> fields = SplitConnectionLine(line);
        CConnectionRow& row = listing.rows.emplace_back();
        for (size_t i = 0; i < row.fields.size(); ++i)
            row.fields[i] = fields[i];
        row.status = ConnectionStatusOf(fields[7], fields[8]);
        start = end + 2;
        if (start >= Length(reply)) {
            listing.end = ListingEnd::Exhausted;
            return listing;
        }
    }
}
