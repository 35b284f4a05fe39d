#include <gtest/gtest.h>

#include "appliance/ServListing.h"

namespace {

using Row = std::vector<std::string>;

std::vector<Row> Rows(const CServListing& listing) {
    std::vector<Row> rows;
    for (const CTableEntry& server : listing.servers)
        rows.push_back({server.index, server.name, server.value});
    return rows;
}

TEST(ServListingTest, BothSeparatorOrdersAndTheHostLineEndingTheClientModeWalk) {
    const std::string reply = "0||00:0B:CE:01:02:03|192.168.0.20:9200\r\n"
                              "1|Printer||192.168.0.21:9201\r\n"
                              "+OK 192.168.0.10:9200\r\n"
                              "2|Late||10.0.0.1:1\r\n"
                              "+OK 10.0.0.9:40001\r\n";
    const CServListing client = ParseServListing(reply, ServWalk::UntilHostLine);
    EXPECT_EQ(Rows(client), (std::vector<Row>{{"0", "00:0B:CE:01:02:03", "192.168.0.20:9200"},
                                              {"1", "Printer", "192.168.0.21:9201"}}));
    ASSERT_TRUE(client.host);
    EXPECT_EQ(client.host->address, (CDottedAddress{192, 168, 0, 10}));
    EXPECT_EQ(client.host->port, "9200");
    EXPECT_FALSE(client.imperfect);

    // The Client Setting dialog reads on: the last host line counts.
    const CServListing setting = ParseServListing(reply, ServWalk::WholeReply);
    EXPECT_EQ(setting.servers.size(), 3u);
    EXPECT_EQ(setting.host->address, (CDottedAddress{10, 0, 0, 9}));
    EXPECT_EQ(setting.host->port, "40001");
}

TEST(ServListingTest, ACutOffListingKeepsTheRowsBeforeAndOddLinesStillGiveRows) {
    const CServListing cut = ParseServListing(
        "0||00:0B:CE:01:02:03|192.168.0.20:9200\r\n+OK 192.168.0.10:92", ServWalk::WholeReply);
    EXPECT_EQ(cut.servers.size(), 1u);
    EXPECT_FALSE(cut.host);
    EXPECT_TRUE(cut.imperfect);

    EXPECT_EQ(Rows(ParseServListing("no separators\r\n0|Name\r\n1||Addr\r\n7|\r\n+OK\r\n",
                                    ServWalk::UntilHostLine)),
              (std::vector<Row>{
                  {"", "no separators", ""}, {"0", "Name", ""}, {"1", "Addr", ""}, {"7", "", ""}}));
}

TEST(ServListingTest, HostOctetsAreTakenModulo256AndEmptyOnesAreZero) {
    EXPECT_EQ(ParseHostLine("+OK 300.1..7:80").address, (CDottedAddress{44, 1, 0, 7}));
    EXPECT_EQ(ParseHostLine("+OK 256.-1.12:80").address, (CDottedAddress{0, 255, 12, 0}));
    const CHostLine bare = ParseHostLine("+OK");
    EXPECT_EQ(bare.address, (CDottedAddress{0, 0, 0, 0}));
    EXPECT_EQ(bare.port, "");
    EXPECT_EQ(ParseHostLine("+OK 1.2.3.4:5:6").port, "5:6");
}

} // namespace
