#include "cli/UnicastList.h"

#include <unordered_set>

#include "discovery/UnicastAddresses.h"

std::vector<std::string> UnicastList(const std::vector<std::string>& operands) {
    std::vector<std::string> addresses;
    std::unordered_set<std::string> seen;
    for (const std::string& operand : operands)
        for (std::string& address : UnicastAddresses(operand).value_or(std::vector<std::string>{}))
            if (seen.insert(address).second)
                addresses.push_back(std::move(address));
    return addresses;
}
