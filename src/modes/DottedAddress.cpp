#include "modes/DottedAddress.h"

#include "ui/IpAddressCtrl.h"
#include "ui/Text.h"

CDottedAddress ParseDottedAddress(std::string_view text) {
    CDottedAddress address{};
    int start = 0;
    for (size_t i = 0; i < address.size() && start >= 0; ++i) {
        const int dot = i + 1 < address.size() ? Find(text, '.', start) : -1;
        const std::string part = dot < 0 ? Mid(text, start) : Mid(text, start, dot - start);
        // The appliance's numbers are taken as the control keeps them: their low eight bits.
        address[i] = LeadingInt(part) & 0xFF;
        start = dot < 0 ? -1 : dot + 1;
    }
    return address;
}

std::string FormatDottedAddress(const CDottedAddress& address) {
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." +
           std::to_string(address[2]) + "." + std::to_string(address[3]);
}

std::string FormatDottedAddress(const CIpAddressCtrl& control) {
    CDottedAddress address{};
    control.GetAddress(address[0], address[1], address[2], address[3]);
    return FormatDottedAddress(address);
}

bool IsIpAddressComplete(const CIpAddressCtrl& control) {
    int f0 = 0, f1 = 0, f2 = 0, f3 = 0;
    return control.GetAddress(f0, f1, f2, f3) == 4;
}

void ShowAddress(CIpAddressCtrl& control, const CDottedAddress& address) {
    control.SetAddress(address[0], address[1], address[2], address[3]);
}

std::string MissingEndpointMessage(const CIpAddressCtrl& address, const std::string& port,
                                   const std::string& what) {
    const bool addressComplete = IsIpAddressComplete(address);
    if (!addressComplete && port.empty())
        return "Fill the " + what + " IP Address and " + what + " Port Number";
    if (!addressComplete)
        return "Fill the " + what + " IP Address";
    if (port.empty())
        return "Fill the " + what + " Port Number";
    return {};
}
