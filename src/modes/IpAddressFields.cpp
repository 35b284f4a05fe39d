#include "modes/IpAddressFields.h"

#include "ui/IpAddressCtrl.h"

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
