#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The UDP discovery exchange with the appliances: the request the manager sends to port 9097
// and the reply each appliance sends back about itself. Pure functions, any thread.

// The 4-byte discovery request.
constexpr std::array<std::uint8_t, 4> kDiscoveryRequest{0xFA, 0x05, 0x21, 0xEA};
// Bytes the manager reads of one reply; the rest of a longer datagram is cut off.
constexpr std::size_t kDiscoveryReplyLimit = 500;

// The eight values one reply carries about one appliance, as a search lists them.
struct CDeviceRecord {
    std::string productName;  // type 1
    std::string modelCode;    // type 2
    std::string serialNumber; // type 3
    std::string ipAddress;    // type 4, dotted decimal
    std::string controlPort;  // type 5, decimal
    std::string macAddress;   // type 6, "XX:XX:XX:XX:XX:XX" in wire order
    std::string btName;       // type 7
    std::string bdAddr;       // type 8, "XX:XX:XX:XX:XX:XX" in reverse wire order

    bool operator==(const CDeviceRecord&) const = default;
};

// Reads a discovery reply: any bytes, the marker 0xFA 0x05 0x21 0xEF, then exactly eight
// type-length-value records. Returns nothing for a datagram under 5 bytes, one without the
// marker, or one whose records run past its end. A type seen twice keeps its later value,
// an unknown type still counts as one of the eight, a type not seen stays empty. Only the
// bytes of `datagram` are read; the caller keeps them.
std::optional<CDeviceRecord> ParseDiscoveryReply(std::span<const std::uint8_t> datagram);
