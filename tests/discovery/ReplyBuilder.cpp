#include "ReplyBuilder.h"

CReplyBuilder& CReplyBuilder::Raw(const Bytes& bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

CReplyBuilder& CReplyBuilder::Marker() {
    return Raw({0xFA, 0x05, 0x21, 0xEF});
}

CReplyBuilder& CReplyBuilder::Record(std::uint8_t type, const Bytes& value) {
    m_bytes.push_back(type);
    m_bytes.push_back(static_cast<std::uint8_t>(value.size()));
    return Raw(value);
}

CReplyBuilder& CReplyBuilder::Text(std::uint8_t type, std::string_view text) {
    return Record(type, Bytes(text.begin(), text.end()));
}

Bytes BuildReply(const CAnnouncement& a) {
    return CReplyBuilder()
        .Marker()
        .Text(1, a.productName)
        .Text(2, a.modelCode)
        .Text(3, a.serialNumber)
        .Record(4, Bytes(a.ip.begin(), a.ip.end()))
        .Record(5, {static_cast<std::uint8_t>(a.port >> 8), static_cast<std::uint8_t>(a.port)})
        .Record(6, Bytes(a.mac.begin(), a.mac.end()))
        .Text(7, a.btName)
        .Record(8, Bytes(a.bdAddrOnWire.begin(), a.bdAddrOnWire.end()))
        .Datagram();
}
