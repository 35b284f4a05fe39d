// Feeds arbitrary text to the two parsers of the addresses an operator types on the command
// line: a TARGET ("ADDRESS[:PORT]") and a "--to" operand (an address or a subnet). What is
// taken must come back as itself, and a subnet never yields more addresses than a /16 has.

#include "cli/Target.h"
#include "discovery/UnicastAddresses.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto target = ParseTarget(text)) {
        if (target->m_nPort < 1 || target->m_nPort > 65535)
            std::abort();
        const auto again = ParseTarget(target->Address());
        if (!again || again->m_strHost != target->m_strHost || again->m_nPort != target->m_nPort)
            std::abort();
    }
    if (const auto addresses = UnicastAddresses(text)) {
        if (addresses->empty() || addresses->size() > 65536)
            std::abort();
        for (const std::string& address : *addresses)
            if (UnicastAddresses(address) != std::vector<std::string>{address})
                std::abort();
    }
    return 0;
}
