#include "appliance/NeighbourListing.h"

#include "ui/Text.h"

namespace {

// The text up to the first blank of `rest`, all of it without one; `rest` keeps what
// follows that blank.
std::string TakeWord(std::string& rest) {
    int blank = Find(rest, ' ');
    if (blank < 0)
        blank = Length(rest);
    std::string word = Left(rest, blank);
    rest = Mid(rest, blank + 1);
    return word;
}

} // namespace

CPeriodicInquiry ParsePeriodicInquiry(std::string_view reply) {
    CPeriodicInquiry inquiry;
    inquiry.running = Find(reply, "On") >= 0;
    // The state word follows "+OK " and ends at the first blank from index 4 on.
    const int stateEnd = Find(reply, ' ', 4);
    std::string rest = stateEnd < 0 ? std::string(reply) : Mid(reply, stateEnd + 1);
    // The line end goes first, so that a reply without an access code does not hand it to
    // the length, and from its edit into the next "pinq on" line.
    while (!rest.empty() && (rest.back() == '\r' || rest.back() == '\n'))
        rest.pop_back();
    inquiry.interval = TakeWord(rest);
    inquiry.length = TakeWord(rest);
    inquiry.accessCode = rest == kGeneralAccessCode ? 0 : 1;
    return inquiry;
}

std::vector<CNeighbourRow> ParseNeighbourListing(std::string_view reply) {
    std::vector<CNeighbourRow> rows;
    size_t pos = 0;
    while (pos < reply.size()) {
        const std::string_view line = NextLine(reply, pos);
        if (line.empty() || Find(line, "+OK") >= 0)
            break;
        rows.push_back({Mid(line, 0, 17), Mid(line, 18, 8), Mid(line, 27)});
    }
    return rows;
}
