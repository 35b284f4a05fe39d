#pragma once

#include <string>
#include <string_view>
#include <vector>

// The addresses a discovery's "--to" sends to: one dotted IPv4 address, or a CIDR range
// "a.b.c.d/n" no wider than /16. A range stands for its hosts: up to /30 without the network
// and broadcast addresses (a datagram there would reach every host or none), /31 and /32 as
// they are.
inline constexpr int kWidestRangePrefix = 16;

struct CAddressRange {
    std::vector<std::string> addresses; // dotted, in ascending order
    std::string error;                  // empty when the text was taken; else why not
};

CAddressRange ExpandAddressRange(std::string_view text);
