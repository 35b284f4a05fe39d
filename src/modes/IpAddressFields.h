#pragma once

#include <string>
#include <string_view>

#include "appliance/DottedAddress.h"

class CIpAddressCtrl;

// The IP address controls of the Client mode dialogs: the appliance's addresses shown in them
// and their four fields written as the appliance takes them. UI thread, nothing blocks.

// The four fields of `control` as "%d.%d.%d.%d" (a blank field reads as 0).
std::string FormatDottedAddress(const CIpAddressCtrl& control);

// Whether all four fields of `control` are filled.
bool IsIpAddressComplete(const CIpAddressCtrl& control);

void ShowAddress(CIpAddressCtrl& control, const CDottedAddress& address);

// What the operator left out of an address and port pair labelled `what` ("HOST", "Server"):
// "Fill the " what " IP Address and " what " Port Number", "Fill the " what " IP Address" or
// "Fill the " what " Port Number"; empty when the address is complete and the port given.
std::string MissingEndpointMessage(const CIpAddressCtrl& address, const std::string& port,
                                   const std::string& what);
