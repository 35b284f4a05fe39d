#include "ManagerCuts.h"
#include "SimFixture.h"

#include "sim/CliOptions.h"

#include <set>

using Bytes = std::vector<std::uint8_t>;

class DiscoveryTest : public SimFixture {};

TEST_F(DiscoveryTest, ReplyCarriesTheEightRecordsByteForByte) {
    const auto replies = discoverNow();
    ASSERT_EQ(replies.size(), 1u);
    const auto port = simulator->controlPort(0);
    Bytes expected{0xFA, 0x05, 0x21, 0xEF};
    const auto text = [&](int type, const std::string& value) {
        expected.push_back(static_cast<std::uint8_t>(type));
        expected.push_back(static_cast<std::uint8_t>(value.size()));
        expected.insert(expected.end(), value.begin(), value.end());
    };
    text(1, "Velmora42");
    text(2, "100");
    text(3, "V42-000001");
    expected.insert(expected.end(), {4, 4, 127, 0, 0, 1});
    expected.insert(expected.end(), {5, 2, static_cast<std::uint8_t>(port >> 8),
                                     static_cast<std::uint8_t>(port & 0xFF)});
    expected.insert(expected.end(), {6, 6, 0x00, 0x0B, 0xCE, 0x10, 0x00, 0x01});
    text(7, "Velmora42-1");
    expected.insert(expected.end(), {8, 6, 0x01, 0x00, 0x20, 0xCE, 0x0B, 0x00});
    EXPECT_EQ(replies[0], expected);

    const auto record = cuts::discoveryRecord(replies[0]);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->at(4), "127.0.0.1");
    EXPECT_EQ(record->at(5), std::to_string(port));
    EXPECT_EQ(record->at(6), "00:0B:CE:10:00:01");
    EXPECT_EQ(record->at(8), "00:0B:CE:20:00:01");
}

TEST_F(DiscoveryTest, JunkPrefixAndRecordOrderStillReadTheSame) {
    const auto plain = cuts::discoveryRecord(discoverNow().at(0));
    simulator->setDiscoveryLayout({{0x00, 0x13, 0xFA}, {8, 7, 6, 5, 4, 3, 2, 1}});
    const auto replies = discoverNow();
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(Bytes(replies[0].begin(), replies[0].begin() + 4), (Bytes{0x00, 0x13, 0xFA, 0xFA}));
    EXPECT_EQ(replies[0][7], 8); // first record after the marker
    EXPECT_EQ(cuts::discoveryRecord(replies[0]), plain);
}

TEST_F(DiscoveryTest, AnythingButTheExactRequestIsIgnored) {
    const std::uint16_t port = simulator->discoveryPort();
    EXPECT_TRUE(discover("127.0.0.1", port, 150, {0xFA, 0x05, 0x21}).empty());
    EXPECT_TRUE(discover("127.0.0.1", port, 150, {0xFA, 0x05, 0x21, 0xEA, 0x00}).empty());
    EXPECT_TRUE(discover("127.0.0.1", port, 150, {0xFA, 0x05, 0x21, 0xEF}).empty());
    EXPECT_TRUE(discover("127.0.0.1", port, 150, Bytes(1400, 0xAB)).empty());
    EXPECT_EQ(discoverNow().size(), 1u); // and it still answers afterwards
}

TEST_F(DiscoveryTest, EachApplianceAnnouncesItsOwnControlAddress) {
    auto options = sim::SimulatorOptions::loopback(3);
    options.appliances[1].controlAddress = "127.0.0.2";
    options.appliances[2].controlAddress = "127.0.0.3";
    start(options);
    std::map<std::string, std::string> nameByAddress;
    for (const auto& reply : discoverNow()) {
        auto record = cuts::discoveryRecord(reply);
        ASSERT_TRUE(record);
        nameByAddress[record->at(4) + ":" + record->at(5)] = record->at(7);
    }
    ASSERT_EQ(nameByAddress.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string key =
            simulator->controlAddress(i) + ":" + std::to_string(simulator->controlPort(i));
        EXPECT_EQ(nameByAddress[key], "Velmora42-" + std::to_string(i + 1));
        // ... and that address leads to that appliance.
        SimClient client = loggedIn(i);
        EXPECT_EQ(client.exchangeOnce("BTName"), "+OK Velmora42-" + std::to_string(i + 1) + "\r\n");
    }
}

TEST_F(DiscoveryTest, SpreadRepliesStillComeOncePerAppliance) {
    auto options = sim::SimulatorOptions::loopback(20);
    options.discoverySpreadMs = 200;
    start(options);
    for (int search = 0; search < 2; ++search) {
        std::set<std::string> names;
        const auto replies = discoverNow(500);
        for (const auto& reply : replies) {
            names.insert(cuts::discoveryRecord(reply)->at(7));
        }
        EXPECT_EQ(replies.size(), 20u);
        EXPECT_EQ(names.size(), 20u);
    }
}

TEST_F(DiscoveryTest, WildcardListenerAnnouncesTheAddressTheRequesterReaches) {
    auto options = sim::SimulatorOptions::loopback(1);
    options.appliances[0].controlAddress = "0.0.0.0";
    start(options);
    const auto record = cuts::discoveryRecord(discoverNow().at(0));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->at(4), "127.0.0.1");
}

TEST_F(DiscoveryTest, RenamedApplianceAnnouncesItsNewName) {
    SimClient client = loggedIn();
    ASSERT_EQ(client.exchangeOnce("BTName Lab bench"), "+OK\r\n");
    EXPECT_EQ(cuts::discoveryRecord(discoverNow().at(0))->at(7), "Lab bench");
}

TEST_F(DiscoveryTest, LargestRecordTheOptionsAllowFitsTheFiveHundredBytesRead) {
    // The search reads at most 500 bytes of a datagram and ignores one whose eighth record
    // does not end within them.
    const std::string model(16, 'M');
    const auto cli = sim::parseCommandLine({"--discovery-junk", "300", "--model", model});
    ASSERT_TRUE(cli.error.empty()) << cli.error;
    auto options = sim::SimulatorOptions::loopback(1);
    options.discoveryLayout = cli.options.discoveryLayout;
    options.appliances[0].state.modelCode = cli.options.appliances[0].state.modelCode;
    start(options);
    SimClient client = loggedIn();
    EXPECT_NE(cuts::stripped(client.exchangeOnce("BTName " + std::string(33, 'N'))), "+OK");
    ASSERT_EQ(cuts::stripped(client.exchangeOnce("BTName " + std::string(32, 'N'))), "+OK");

    const auto record = cuts::discoveryRecord(discoverNow().at(0));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->at(2), model);
    EXPECT_EQ(record->at(7), std::string(32, 'N'));
}
