#include "discovery/UnicastAddresses.h"

#include <arpa/inet.h>
#include <charconv>
#include <cstdint>
#include <netinet/in.h>

namespace {

constexpr int kWidestPrefix = 16;

std::optional<std::uint32_t> Parse(const std::string& dotted) {
    in_addr address{};
    if (inet_pton(AF_INET, dotted.c_str(), &address) != 1)
        return std::nullopt;
    return ntohl(address.s_addr);
}

std::string Dotted(std::uint32_t address) {
    in_addr wire{htonl(address)};
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &wire, text, sizeof text);
    return text;
}

} // namespace

std::optional<std::vector<std::string>> UnicastAddresses(const std::string& operand) {
    const std::size_t slash = operand.find('/');
    const std::optional<std::uint32_t> address = Parse(operand.substr(0, slash));
    if (!address)
        return std::nullopt;
    if (slash == std::string::npos)
        return std::vector<std::string>{operand};
    int prefix = -1;
    const char* end = operand.data() + operand.size();
    const auto [stop, error] = std::from_chars(operand.data() + slash + 1, end, prefix);
    if (error != std::errc() || stop != end || stop == operand.data() + slash + 1 ||
        prefix < kWidestPrefix || prefix > 32)
        return std::nullopt;
    const std::uint64_t hosts = (std::uint64_t{1} << (32 - prefix)) - 1;
    const std::uint64_t first = *address & ~hosts;
    const std::uint64_t last = first | hosts;
    // The subnet's own address and its broadcast address are no appliance's.
    const std::uint64_t edge = prefix < 31 ? 1 : 0;
    std::vector<std::string> addresses;
    for (std::uint64_t each = first + edge; each + edge <= last; ++each)
        addresses.push_back(Dotted(static_cast<std::uint32_t>(each)));
    return addresses;
}
