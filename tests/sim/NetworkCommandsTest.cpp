#include "ManagerCuts.h"
#include "SimFixture.h"

#include <set>

class NetworkCommandsTest : public SimFixture {};

TEST_F(NetworkCommandsTest, ConnectionsListNineFieldsAndPassEveryColour) {
    SimClient client = loggedIn();
    std::set<cuts::Colour> seen;
    std::set<std::string> counters;
    for (int poll = 0; poll < 8; ++poll) {
        const std::string reply = client.exchange("List");
        EXPECT_EQ(cuts::closingLine(reply), "+OK");
        const auto rows = cuts::listingLines(reply);
        ASSERT_EQ(rows.size(), 2u);
        for (const auto& row : rows) {
            const auto fields = cuts::splitFields(row, 9);
            EXPECT_EQ(fields[3].size(), 17u); // address
            EXPECT_FALSE(fields[4].empty());  // name
            EXPECT_EQ(fields[8].find('|'), std::string::npos);
            seen.insert(cuts::linkColour(fields[7], fields[8]));
            counters.insert(fields[5]);
        }
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_GT(counters.size(), 4u); // traffic moves between listings
}

TEST_F(NetworkCommandsTest, DisconnectDropsOneConnection) {
    SimClient client = loggedIn();
    const auto rows = cuts::listingLines(client.exchange("List"));
    ASSERT_EQ(rows.size(), 2u);
    const std::string first = cuts::splitFields(rows[0], 9)[0];
    const std::string second = cuts::splitFields(rows[1], 9)[0];
    EXPECT_EQ(cuts::stripped(client.exchange("disc " + first, 3000)), "+OK");
    EXPECT_NE(cuts::stripped(client.exchange("disc " + first, 3000)), "+OK");
    EXPECT_NE(cuts::stripped(client.exchange("disc ", 3000)), "+OK");
    const auto left = cuts::listingLines(client.exchange("List"));
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(cuts::splitFields(left[0], 9)[0], second);

    const int added = [&] {
        int index = 0;
        simulator->updateState(0, [&](sim::ApplianceState& state) {
            index = state.addConnection("00:0B:CE:77:00:01", "Tablet");
        });
        return index;
    }();
    const auto after = cuts::listingLines(client.exchange("List"));
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(cuts::splitFields(after[1], 9)[0], std::to_string(added));
    EXPECT_EQ(cuts::splitFields(after[1], 9)[4], "Tablet");
}

TEST_F(NetworkCommandsTest, PeriodicInquiryAndNeighbours) {
    SimClient client = loggedIn();
    auto state = cuts::inquiry(client.exchange("pinq", 3000));
    EXPECT_FALSE(state.running);
    EXPECT_EQ(state.interval, "10");
    EXPECT_EQ(state.length, "5");
    EXPECT_EQ(state.accessCode, "0x9E8B33");
    EXPECT_TRUE(cuts::neighbours(client.exchange("ngbrh", 2000)).empty());

    EXPECT_NE(client.exchange("pinq on 20 8 0x9E8B00", 3000).find("+OK"), std::string::npos);
    state = cuts::inquiry(client.exchange("pinq", 3000));
    EXPECT_TRUE(state.running);
    EXPECT_EQ(state.interval, "20");
    EXPECT_EQ(state.length, "8");
    EXPECT_EQ(state.accessCode, "0x9E8B00");

    const std::string listing = client.exchange("ngbrh", 2000);
    EXPECT_NE(cuts::closingLine(listing).find("+OK"), std::string::npos);
    const auto rows = cuts::neighbours(listing);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::array<std::string, 3>{"00:0B:CE:40:00:01", "0x5A020C", "Phone-1"}));
    EXPECT_EQ(rows[2][2], "Desktop PC");

    EXPECT_NE(client.exchange("pinq off", 3000).find("+OK"), std::string::npos);
    EXPECT_FALSE(cuts::inquiry(client.exchange("pinq", 3000)).running);
    for (const char* bad : {"pinq on  8 0x9E8B33", "pinq on 20 8 0x123456", "pinq on 5 8 0x9E8B33",
                            "pinq on 20 8", "pinq maybe"}) {
        EXPECT_EQ(client.exchange(bad, 3000).find("+OK"), std::string::npos) << bad;
    }
}

TEST_F(NetworkCommandsTest, RepeaterTreeIsMoreThanTwoLevelsDeep) {
    SimClient client = loggedIn();
    const std::string reply = client.exchange("repeater");
    EXPECT_NE(cuts::closingLine(reply).find("+OK"), std::string::npos);
    const auto depths = cuts::repeaterDepths(reply);
    EXPECT_EQ(depths.at("00:0B:CE:20:00:01"), 0);
    EXPECT_EQ(depths.at("00:0B:CE:50:00:01 ( Relay-1 )"), 1);
    EXPECT_EQ(depths.at("00:0B:CE:50:00:02 ( Relay-2 )"), 2);
    EXPECT_EQ(depths.at("00:0B:CE:60:00:03 ( Sensor-A )"), 3);
    int roots = 0;
    for (const auto& [item, depth] : depths) {
        roots += depth == 0;
    }
    EXPECT_EQ(roots, 1);
}

TEST_F(NetworkCommandsTest, WithChurnConnectionsComeAndGoByTurns) {
    sim::SimulatorOptions options = sim::SimulatorOptions::loopback(1);
    options.appliances[0].state.connectionChurnLists = 2;
    start(std::move(options));
    SimClient client = loggedIn();
    std::vector<std::string> firstIndices;
    for (int poll = 0; poll < 5; ++poll) {
        const auto rows = cuts::listingLines(client.exchange("List"));
        firstIndices.push_back(std::to_string(rows.size()) + ":" +
                               (rows.empty() ? "" : cuts::splitFields(rows[0], 9)[0]));
    }
    // Two at start; the second listing brings index 2 in, the fourth drops index 0.
    EXPECT_EQ(firstIndices, (std::vector<std::string>{"2:0", "3:0", "3:0", "2:1", "2:1"}));
}
