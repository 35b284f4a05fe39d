#include "cli/AddressRange.h"

#include <arpa/inet.h>
#include <cstdint>

namespace {

std::string Dotted(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

} // namespace

CAddressRange ExpandAddressRange(std::string_view text) {
    CAddressRange range;
    const size_t slash = text.find('/');
    const std::string host(text.substr(0, slash));
    in_addr parsed{};
    // inet_pton takes exactly the four decimal parts, none above 255.
    if (inet_pton(AF_INET, host.c_str(), &parsed) != 1) {
        range.error =
            "bad address \"" + std::string(text) + "\" (ADDRESS or ADDRESS/PREFIX expected)";
        return range;
    }
    int prefix = 32;
    if (slash != std::string_view::npos) {
        const std::string_view digits = text.substr(slash + 1);
        if (digits.empty() || digits.size() > 2 ||
            digits.find_first_not_of("0123456789") != std::string_view::npos ||
            std::stoi(std::string(digits)) > 32) {
            range.error = "bad prefix \"" + std::string(text) + "\" (0 to 32)";
            return range;
        }
        prefix = std::stoi(std::string(digits));
    }
    if (prefix < kWidestRangePrefix) {
        range.error = "range \"" + std::string(text) + "\" is wider than /" +
                      std::to_string(kWidestRangePrefix);
        return range;
    }
    const std::uint32_t mask = ~std::uint32_t{0} << (32 - prefix);
    const std::uint32_t first = ntohl(parsed.s_addr) & mask;
    const std::uint32_t last = first | ~mask;
    const bool hostsOnly = prefix <= 30;
    for (std::uint64_t address = first + (hostsOnly ? 1 : 0); address <= last - (hostsOnly ? 1 : 0);
         ++address)
        range.addresses.push_back(Dotted(static_cast<std::uint32_t>(address)));
    return range;
}
