#include "sim/DiscoveryPacket.h"

#include <cstdio>

namespace sim {

namespace {

using Bytes = std::vector<std::uint8_t>;

// "XX:XX:XX:XX:XX:XX" to six bytes; anything else gives zeros.
Bytes addressBytes(const std::string& text) {
    unsigned value[6] = {};
    char tail = 0;
    Bytes bytes(6, 0);
    if (std::sscanf(text.c_str(), "%2x:%2x:%2x:%2x:%2x:%2x%c", &value[0], &value[1], &value[2],
                    &value[3], &value[4], &value[5], &tail) == 6) {
        for (int i = 0; i < 6; ++i) {
            bytes[i] = static_cast<std::uint8_t>(value[i]);
        }
    }
    return bytes;
}

Bytes textBytes(const std::string& text) {
    return Bytes(text.begin(),
                 text.begin() + static_cast<long>(std::min<std::size_t>(text.size(), 255)));
}

Bytes recordValue(const DeviceRecord& record, int type) {
    switch (type) {
    case 1:
        return textBytes(record.productName);
    case 2:
        return textBytes(record.modelCode);
    case 3:
        return textBytes(record.serialNumber);
    case 4:
        return {static_cast<std::uint8_t>(record.ipv4 >> 24),
                static_cast<std::uint8_t>(record.ipv4 >> 16),
                static_cast<std::uint8_t>(record.ipv4 >> 8),
                static_cast<std::uint8_t>(record.ipv4)};
    case 5:
        return {static_cast<std::uint8_t>(record.controlPort >> 8),
                static_cast<std::uint8_t>(record.controlPort)};
    case 6:
        return addressBytes(record.macAddress);
    case 7:
        return textBytes(record.btName);
    default: {
        const Bytes forward = addressBytes(record.bdAddress);
        return Bytes(forward.rbegin(), forward.rend());
    }
    }
}

} // namespace

bool isDiscoveryRequest(const std::uint8_t* data, std::size_t size) {
    return size == 4 && data[0] == 0xFA && data[1] == 0x05 && data[2] == 0x21 && data[3] == 0xEA;
}

std::vector<std::uint8_t> buildDiscoveryReply(const DeviceRecord& record,
                                              const DiscoveryLayout& layout) {
    Bytes packet = layout.junkPrefix;
    packet.insert(packet.end(), {0xFA, 0x05, 0x21, 0xEF});
    for (const int type : layout.recordOrder) {
        const Bytes value = recordValue(record, type);
        packet.push_back(static_cast<std::uint8_t>(type));
        packet.push_back(static_cast<std::uint8_t>(value.size()));
        packet.insert(packet.end(), value.begin(), value.end());
    }
    return packet;
}

} // namespace sim
