#include <gtest/gtest.h>

#include "ReplyBuilder.h"
#include "discovery/DiscoveryCodec.h"

namespace {

std::optional<CDeviceRecord> Parse(const Bytes& datagram) {
    return ParseDiscoveryReply(datagram);
}

// A reply up to its marker, after `prefix`; the test adds the records.
CReplyBuilder Reply(const Bytes& prefix = {}) {
    CReplyBuilder reply;
    reply.Raw(prefix).Marker();
    return reply;
}

TEST(DiscoveryCodec, EachTypeBecomesItsText) {
    CAnnouncement announcement;
    announcement.ip = {192, 168, 0, 5};
    announcement.port = 0x2389;
    announcement.mac = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
    announcement.bdAddrOnWire = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
    const auto record = Parse(BuildReply(announcement));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->productName, "Velmora42");
    EXPECT_EQ(record->modelCode, "100");
    EXPECT_EQ(record->serialNumber, "V42-000001");
    EXPECT_EQ(record->ipAddress, "192.168.0.5");
    EXPECT_EQ(record->controlPort, "9097");
    // The same six bytes: the MAC address in wire order, the Bluetooth address reversed.
    EXPECT_EQ(record->macAddress, "11:22:33:44:55:66");
    EXPECT_EQ(record->bdAddr, "66:55:44:33:22:11");
    EXPECT_EQ(record->btName, "Velmora42-1");
}

TEST(DiscoveryCodec, NumbersHaveNoLeadingZerosAndHexIsUpperCase) {
    const auto record = Parse(Reply()
                                  .Record(4, {10, 0, 0, 255})
                                  .Record(5, {0x00, 0x07})
                                  .Record(6, {0x0a, 0xbc, 0xde, 0xf0, 0x01, 0x02})
                                  .Record(1, {})
                                  .Record(2, {})
                                  .Record(3, {})
                                  .Record(7, {})
                                  .Record(8, {0xff, 0xee, 0xdd, 0xcc, 0xbb, 0x0a})
                                  .Datagram());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->ipAddress, "10.0.0.255");
    EXPECT_EQ(record->controlPort, "7");
    EXPECT_EQ(record->macAddress, "0A:BC:DE:F0:01:02");
    EXPECT_EQ(record->bdAddr, "0A:BB:CC:DD:EE:FF");
}

TEST(DiscoveryCodec, JunkBeforeTheMarkerIsSkippedAndTheFirstMarkerCounts) {
    const Bytes reply = BuildReply({});
    Bytes junk{0x00, 0xFA, 0x05};
    junk.insert(junk.end(), reply.begin(), reply.end());
    const auto record = Parse(junk);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->btName, "Velmora42-1");

    // A marker inside the records of the first reply does not restart the parse.
    CAnnouncement announcement;
    announcement.productName = std::string("\xFA\x05\x21\xEF", 4);
    const auto first = Parse(BuildReply(announcement));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->modelCode, "100");
}

TEST(DiscoveryCodec, TheMarkerMustBeFollowedByAByte) {
    EXPECT_FALSE(Parse({0xFA, 0x05, 0x21, 0xEF}));
    EXPECT_FALSE(Parse({0x00, 0xFA, 0x05, 0x21, 0xEF}));
    EXPECT_FALSE(Parse({}));
    // One byte after the marker is a type without its length: cut short.
    EXPECT_FALSE(Parse({0xFA, 0x05, 0x21, 0xEF, 0x01}));
    EXPECT_FALSE(Parse({0xFA, 0x05, 0x21, 0xEA, 0x01, 0x00}));
}

TEST(DiscoveryCodec, AReplyCutAnywhereIsDroppedWhole) {
    const Bytes reply = BuildReply({});
    for (size_t size = 0; size < reply.size(); ++size)
        EXPECT_FALSE(Parse(Bytes(reply.begin(), reply.begin() + static_cast<long>(size))))
            << "cut at " << size;
    // In the middle of the eighth record's value, and right after its type byte.
    EXPECT_FALSE(Parse(Bytes(reply.begin(), reply.end() - 3)));
    EXPECT_FALSE(Parse(Bytes(reply.begin(), reply.end() - 7)));
}

TEST(DiscoveryCodec, ExactlyEightRecordsAreReadAndTheRestIgnored) {
    CReplyBuilder reply = Reply();
    for (std::uint8_t type = 1; type <= 8; ++type)
        reply.Text(type, "v" + std::to_string(type));
    reply.Text(7, "ninth").Raw({0x01}); // beyond the eight: neither read nor checked
    const auto record = Parse(reply.Datagram());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->btName, "v7");
}

TEST(DiscoveryCodec, TextsEndAtTheirFirstZeroByte) {
    const auto record = Parse(Reply()
                                  .Record(1, {'A', 'B', 'C', 0, 0})
                                  .Record(2, {0, 'X'})
                                  .Record(3, {'N', 0, 'Z'})
                                  .Record(4, {1, 2, 3, 4})
                                  .Record(5, {0, 80})
                                  .Record(6, {1, 2, 3, 4, 5, 6})
                                  .Record(7, {'n', 'a', 'm', 'e', 0, 0, 0})
                                  .Record(8, {1, 2, 3, 4, 5, 6})
                                  .Datagram());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->productName, "ABC");
    EXPECT_EQ(record->modelCode, "");
    EXPECT_EQ(record->serialNumber, "N");
    EXPECT_EQ(record->btName, "name");
}

TEST(DiscoveryCodec, RepeatedTypesKeepTheLaterValueUnknownTypesCountAmongTheEight) {
    const auto record = Parse(Reply()
                                  .Text(7, "first")
                                  .Text(99, "unknown")
                                  .Text(7, "second")
                                  .Record(0, {})
                                  .Record(4, {127, 0, 0, 2})
                                  .Text(1, "product")
                                  .Record(200, {1, 2, 3})
                                  .Text(2, "101")
                                  .Text(3, "after the eighth record")
                                  .Datagram());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->btName, "second");
    EXPECT_EQ(record->ipAddress, "127.0.0.2");
    EXPECT_EQ(record->modelCode, "101");
    // Types that did not occur stay empty.
    EXPECT_EQ(record->serialNumber, "");
    EXPECT_EQ(record->controlPort, "");
    EXPECT_EQ(record->bdAddr, "");
}

TEST(DiscoveryCodec, FixedWidthValuesReadFromTheValueStartWhateverTheLength) {
    // A two-byte address record reads on into the next record; longer ones ignore the rest.
    const auto record = Parse(Reply()
                                  .Record(4, {10, 1})
                                  .Record(5, {0x23, 0x89, 0xFF, 0xFF})
                                  .Text(1, "p")
                                  .Text(2, "m")
                                  .Text(3, "s")
                                  .Text(6, "")
                                  .Text(7, "n")
                                  .Record(8, {})
                                  .Datagram());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->ipAddress, "10.1.5.4");
    EXPECT_EQ(record->controlPort, "9097");
    // Type 6 is empty: its six bytes are the next record (7, 1, 'n'), the last one's head (8, 0)
    // and one zero for the byte the datagram does not have.
    EXPECT_EQ(record->macAddress, "07:01:6E:08:00:00");
    // The last record is empty and nothing follows it: the missing bytes read as zeros.
    EXPECT_EQ(record->bdAddr, "00:00:00:00:00:00");
}

} // namespace
