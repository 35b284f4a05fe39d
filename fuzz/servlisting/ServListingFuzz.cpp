// Feeds arbitrary replies to the "Serv" listing parser, walked both ways, and checks what must
// hold for any input: no field carries a line end, octets stay within 0 to 255, and the walk
// that stops at the host line reads a prefix of the walk over the whole reply.

#include "appliance/ServListing.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void CheckField(const std::string& field) {
    if (field.find("\r\n") != std::string::npos)
        std::abort();
}

void CheckHost(const CServListing& listing) {
    if (!listing.host)
        return;
    for (int octet : listing.host->address)
        if (octet < 0 || octet > 255)
            std::abort();
    CheckField(listing.host->port);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const CServListing untilHost = ParseServListing(reply, ServWalk::UntilHostLine);
    const CServListing whole = ParseServListing(reply, ServWalk::WholeReply);
    if (untilHost.servers.size() > whole.servers.size())
        std::abort();
    for (std::size_t i = 0; i < untilHost.servers.size(); ++i) {
        const CTableEntry& server = untilHost.servers[i];
        const CTableEntry& same = whole.servers[i];
        if (server.index != same.index || server.name != same.name || server.value != same.value)
            std::abort();
        CheckField(server.index);
        CheckField(server.name);
        CheckField(server.value);
        if (server.index.size() + server.name.size() + server.value.size() > size)
            std::abort();
    }
    CheckHost(untilHost);
    CheckHost(whole);
    if (untilHost.host.has_value() != whole.host.has_value())
        std::abort();
    return 0;
}
