#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Writes discovery reply datagrams byte by byte, well-formed or not.
class CReplyBuilder {
public:
    CReplyBuilder& Raw(const Bytes& bytes);
    CReplyBuilder& Marker();
    // A record whose length byte is the value's size.
    CReplyBuilder& Record(std::uint8_t type, const Bytes& value);
    CReplyBuilder& Text(std::uint8_t type, std::string_view text);
    const Bytes& Datagram() const { return m_bytes; }

private:
    Bytes m_bytes;
};

// What one appliance announces, in wire form.
struct CAnnouncement {
    std::string productName = "Velmora42";
    std::string modelCode = "100";
    std::string serialNumber = "V42-000001";
    std::array<std::uint8_t, 4> ip{192, 168, 0, 5};
    std::uint16_t port = 9097;
    std::array<std::uint8_t, 6> mac{0x00, 0x0B, 0xCE, 0x10, 0x00, 0x01};
    std::string btName = "Velmora42-1";
    std::array<std::uint8_t, 6> bdAddrOnWire{0x01, 0x00, 0x20, 0xCE, 0x0B, 0x00};
};

// The marker and the eight records in type order.
Bytes BuildReply(const CAnnouncement& announcement);
