#pragma once

#include <array>
#include <string>
#include <string_view>

class CIpAddressCtrl;

// IPv4 addresses of the Client mode dialogs: read from the appliance's texts into four
// numbers for an IP address control, and written from the control's four fields as the
// appliance takes them. Plain functions; UI thread, nothing blocks.

using CDottedAddress = std::array<int, 4>;

// Splits `text` at its first three "." into four decimal numbers, each taken modulo 256
// (0 to 255); an empty or missing part gives 0. Any text gives an address.
CDottedAddress ParseDottedAddress(std::string_view text);

// The four fields of `control` as "%d.%d.%d.%d" (a blank field reads as 0).
std::string FormatDottedAddress(const CIpAddressCtrl& control);
std::string FormatDottedAddress(const CDottedAddress& address);

// Whether all four fields of `control` are filled.
bool IsIpAddressComplete(const CIpAddressCtrl& control);

void ShowAddress(CIpAddressCtrl& control, const CDottedAddress& address);

// What the operator left out of an address and port pair labelled `what` ("HOST", "Server"):
// "Fill the " what " IP Address and " what " Port Number", "Fill the " what " IP Address" or
// "Fill the " what " Port Number"; empty when the address is complete and the port given.
std::string MissingEndpointMessage(const CIpAddressCtrl& address, const std::string& port,
                                   const std::string& what);
