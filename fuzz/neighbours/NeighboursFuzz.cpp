// Feeds arbitrary replies to the "pinq" and "ngbrh" parsers and checks what must hold for any
// input: the access code is one of the two entries, no word or cell spans a blank or line end
// where it must not, no cell holds "+OK", and there is at most one row per line end.

#include "appliance/NeighbourListing.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);

    const CPeriodicInquiry inquiry = ParsePeriodicInquiry(reply);
    if (inquiry.accessCode != 0 && inquiry.accessCode != 1)
        std::abort();
    if (inquiry.interval.find(' ') != std::string::npos ||
        inquiry.length.find(' ') != std::string::npos ||
        inquiry.interval.size() + inquiry.length.size() > size)
        std::abort();
    if (inquiry.running != (reply.find("On") != std::string_view::npos))
        std::abort();

    const std::vector<CNeighbourRow> rows = ParseNeighbourListing(reply);
    std::size_t lineEnds = 0;
    for (char c : reply)
        lineEnds += c == '\r' || c == '\n';
    if (rows.size() > lineEnds + 1)
        std::abort();
    for (const CNeighbourRow& row : rows) {
        if (row[0].size() > 17 || row[1].size() > 8)
            std::abort();
        for (const std::string& cell : row)
            if (cell.find_first_of("\r\n") != std::string::npos ||
                cell.find("+OK") != std::string::npos)
                std::abort();
    }
    return 0;
}
