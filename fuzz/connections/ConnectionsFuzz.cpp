// Feeds arbitrary "List" replies to the connection listing parser and checks what must hold
// for any input: no row field spans a line end, every status is one of the three images, and
// a listing closed by "+OK" has that line in the reply.

#include "appliance/ConnectionListing.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const CConnectionListing listing = ParseConnectionListing(reply);
    for (const CConnectionRow& row : listing.rows) {
        if (row.status < kStatusGreen || row.status > kStatusRed)
            std::abort();
        for (const std::string& field : row.fields)
            if (field.find("\r\n") != std::string::npos || field.size() > size)
                std::abort();
    }
    if (listing.end == ListingEnd::Closed && reply.find("+OK\r\n") == std::string_view::npos)
        std::abort();
    if (listing.rows.size() > size / 2)
        std::abort();
    return 0;
}
