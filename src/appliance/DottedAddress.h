#pragma once

#include <array>
#include <string>
#include <string_view>

// IPv4 addresses as the appliance writes them in its texts ("Serv" listing) and takes them in
// its commands: four numbers, written "%d.%d.%d.%d". Pure.

using CDottedAddress = std::array<int, 4>;

// Splits `text` at its first three "." into four decimal numbers, each taken modulo 256
// (0 to 255); an empty or missing part gives 0. Any text gives an address.
CDottedAddress ParseDottedAddress(std::string_view text);

std::string FormatDottedAddress(const CDottedAddress& address);
