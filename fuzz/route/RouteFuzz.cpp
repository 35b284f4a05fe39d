// Feeds arbitrary replies to the routing table parser and checks what must hold for any
// input: no cell carries a line end or the blanks the split removes, and no row comes from
// the "+OK" line or after it.

#include "modes/RouteReply.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const std::vector<CRoute> routes = ParseRouteReply(reply);
    if (routes.size() > size)
        std::abort();
    for (const CRoute& route : routes) {
        for (const std::string* cell : {&route.from, &route.to})
            if (cell->find_first_of("\r\n") != std::string::npos ||
                cell->find("+OK") != std::string::npos)
                std::abort();
        if ((!route.from.empty() && (route.from.back() == ' ' || route.from.back() == '\t')) ||
            (!route.to.empty() && (route.to.front() == ' ' || route.to.front() == '\t')))
            std::abort();
    }
    return 0;
}
