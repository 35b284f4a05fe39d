#include "discovery/DiscoveryCodec.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::array<std::uint8_t, 4> kReplyMarker{0xFA, 0x05, 0x21, 0xEF};
constexpr int kRecordCount = 8;

enum RecordType : std::uint8_t {
    kProductName = 1,
    kModelCode,
    kSerialNumber,
    kIpAddress,
    kControlPort,
    kMacAddress,
    kBtName,
    kBdAddr,
};

// The first marker at positions 0 up to size - 5: the marker must be followed by a byte.
std::optional<std::size_t> FindMarker(std::span<const std::uint8_t> datagram) {
    if (datagram.size() < kReplyMarker.size() + 1)
        return std::nullopt;
    const std::size_t last = datagram.size() - kReplyMarker.size() - 1;
    for (std::size_t at = 0; at <= last; ++at)
        if (std::equal(kReplyMarker.begin(), kReplyMarker.end(), datagram.begin() + at))
            return at;
    return std::nullopt;
}

// Text values end at their first zero byte.
std::string Text(std::span<const std::uint8_t> value) {
    const auto end = std::find(value.begin(), value.end(), std::uint8_t{0});
    return std::string(value.begin(), end);
}

// Fixed-width values (address, port) are read from the start of the value whatever its
// length says, as the appliances have always been read; a short value at the very end of
// the datagram reads zeros where the datagram has no more bytes.
std::array<std::uint8_t, 6> FixedBytes(std::span<const std::uint8_t> datagram,
                                       std::size_t valueAt) {
    std::array<std::uint8_t, 6> bytes{};
    for (std::size_t i = 0; i < bytes.size() && valueAt + i < datagram.size(); ++i)
        bytes[i] = datagram[valueAt + i];
    return bytes;
}

std::string Format(const char* format, auto... values) {
    char text[32];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

void Store(CDeviceRecord& record, std::uint8_t type, std::span<const std::uint8_t> value,
           const std::array<std::uint8_t, 6>& b) {
    switch (type) {
    case kProductName:
        record.productName = Text(value);
        break;
    case kModelCode:
        record.modelCode = Text(value);
        break;
    case kSerialNumber:
        record.serialNumber = Text(value);
        break;
    case kIpAddress:
        record.ipAddress = Format("%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
        break;
    case kControlPort:
        record.controlPort = std::to_string(b[0] << 8 | b[1]);
        break;
    case kMacAddress:
        record.macAddress =
            Format("%02X:%02X:%02X:%02X:%02X:%02X", b[0], b[1], b[2], b[3], b[4], b[5]);
        break;
    case kBtName:
        record.btName = Text(value);
        break;
    case kBdAddr:
        record.bdAddr = Format("%02X:%02X:%02X:%02X:%02X:%02X", b[5], b[4], b[3], b[2], b[1], b[0]);
        break;
    default:
        break; // a type this manager does not know
    }
}

} // namespace

std::optional<CDeviceRecord> ParseDiscoveryReply(std::span<const std::uint8_t> datagram) {
    const std::optional<std::size_t> marker = FindMarker(datagram);
    if (!marker)
        return std::nullopt;
    CDeviceRecord record;
    std::size_t at = *marker + kReplyMarker.size();
    for (int i = 0; i < kRecordCount; ++i) {
        if (datagram.size() - at < 2)
            return std::nullopt;
        const std::uint8_t type = datagram[at];
        const std::size_t length = datagram[at + 1];
        const std::size_t valueAt = at + 2;
        if (datagram.size() - valueAt < length)
            return std::nullopt;
        Store(record, type, datagram.subspan(valueAt, length), FixedBytes(datagram, valueAt));
        at = valueAt + length;
    }
    return record;
}
