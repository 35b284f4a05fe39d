#pragma once

#include <string>
#include <vector>

// The addresses the "--to" operands (addresses, or ranges up to /16) send one discovery
// request each to: every address once, in the order given. Each operand has been checked
// by AddressRangeValidator.
std::vector<std::string> UnicastList(const std::vector<std::string>& operands);
