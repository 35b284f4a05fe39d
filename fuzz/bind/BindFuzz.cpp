// Feeds arbitrary replies to the "Bind" listing parser and checks what must hold for any
// input: one row at most per line end, no cell spanning a line end, an index that stops at
// the first "|", a line without "|" shown whole as the row's name, and cells that together
// are no longer than the reply.

#include "appliance/BindListing.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const CBindListing listing = ParseBindListing(reply);
    std::size_t lineEnds = 0;
    for (std::size_t at = reply.find("\r\n"); at != std::string_view::npos;
         at = reply.find("\r\n", at + 2))
        ++lineEnds;
    if (listing.rows.size() > lineEnds)
        std::abort();
    std::size_t cells = 0;
    std::size_t lineStart = 0;
    for (const CTableEntry& row : listing.rows) {
        // Row k comes from line k of the reply.
        const std::size_t lineEnd = reply.find("\r\n", lineStart);
        const std::string_view line = reply.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (line.find('|') == std::string_view::npos &&
            (!row.index.empty() || row.name != line || !row.value.empty()))
            std::abort();
        for (const std::string* cell : {&row.index, &row.name, &row.value}) {
            if (cell->find("\r\n") != std::string::npos)
                std::abort();
            cells += cell->size();
        }
        if (row.index.find('|') != std::string::npos)
            std::abort();
    }
    if (cells > size)
        std::abort();
    return 0;
}
