#include "appliance/DottedAddress.h"

#include "ui/Text.h"

CDottedAddress ParseDottedAddress(std::string_view text) {
    CDottedAddress address{};
    int start = 0;
    for (size_t i = 0; i < address.size() && start >= 0; ++i) {
        const int dot = i + 1 < address.size() ? Find(text, '.', start) : -1;
        const std::string part = dot < 0 ? Mid(text, start) : Mid(text, start, dot - start);
        // The appliance's numbers are taken as an IP address control keeps them: their low
        // eight bits.
        address[i] = LeadingInt(part) & 0xFF;
        start = dot < 0 ? -1 : dot + 1;
    }
    return address;
}

std::string FormatDottedAddress(const CDottedAddress& address) {
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." +
           std::to_string(address[2]) + "." + std::to_string(address[3]);
}
