#pragma once

#include "sim/SimulatorOptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// The eight values one discovery reply carries about one appliance.
struct DeviceRecord {
    std::string productName;       // type 1
    std::string modelCode;         // type 2
    std::string serialNumber;      // type 3
    std::uint32_t ipv4 = 0;        // type 4, host order
    std::uint16_t controlPort = 0; // type 5
    std::string macAddress;        // type 6, "XX:XX:XX:XX:XX:XX"
    std::string btName;            // type 7
    std::string bdAddress;         // type 8, sent in reverse byte order
};

// The 4-byte request: 0xFA 0x05 0x21 0xEA, exactly.
bool isDiscoveryRequest(const std::uint8_t* data, std::size_t size);
// Junk prefix, marker 0xFA 0x05 0x21 0xEF, then the eight type-length-value records in the
// layout's order. Texts longer than 255 bytes are cut to fit their length byte.
std::vector<std::uint8_t> buildDiscoveryReply(const DeviceRecord& record,
                                              const DiscoveryLayout& layout);

} // namespace sim
