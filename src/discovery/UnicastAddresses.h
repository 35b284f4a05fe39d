#pragma once

#include <optional>
#include <string>
#include <vector>

// The addresses a unicast search sends one request each to, for one operand: a dotted IPv4
// address as it is, or a subnet "a.b.c.d/n" (n from 16 to 32) as each of its addresses,
// without the subnet's own and its broadcast address where it has them (below /31). Nothing
// for text that is neither, or a subnet too large to search one address at a time.
std::optional<std::vector<std::string>> UnicastAddresses(const std::string& operand);
