// Feeds arbitrary replies to the "Bind" listing parser and checks what must hold for any
// input: one row at most per line end, no cell spanning a line end, an index that stops at
// the first "|", and cells that together are no longer than the reply.

#include "modes/BindListing.h"

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
    for (const CTableEntry& row : listing.rows) {
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
