#include "ManagerCuts.h"
#include "SimFixture.h"

class SerialCommandsTest : public SimFixture {};

TEST_F(SerialCommandsTest, VertexCutsAtFixedPositionsAndEchoesTheSet) {
    SimClient client = loggedIn();
    const std::string reply = cuts::stripped(client.exchangeOnce("Vertex"));
    EXPECT_EQ(reply.substr(0, 3), "+OK");
    EXPECT_EQ(cuts::mid(reply, 9, 4), "9300");
    EXPECT_EQ(cuts::mid(reply, 18, 1), "7");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Vertex 9400 3")), "+OK PORT 9400 MAX 3");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Vertex 80 1")), "+OK PORT 80 MAX 1");
    const std::string padded = cuts::stripped(client.exchangeOnce("Vertex"));
    EXPECT_EQ(cuts::mid(padded, 9, 4), "0080");
    EXPECT_EQ(cuts::mid(padded, 18, 1), "1");
    // The dialog sends a port as read (or as typed) and wants it echoed exactly so.
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Vertex 0080 1")), "+OK PORT 0080 MAX 1");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Vertex 10000 1")).substr(0, 4), "-ERR");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Vertex 9401 8")).substr(0, 4), "-ERR");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Vertex 9401")).substr(0, 4), "-ERR");
    client.exchangeOnce("Vertex 9402 5");
    const std::string changed = cuts::stripped(client.exchangeOnce("Vertex"));
    EXPECT_EQ(cuts::mid(changed, 9, 4), "9402");
    EXPECT_EQ(cuts::mid(changed, 18, 1), "5");
}

TEST_F(SerialCommandsTest, VertexSetIsEchoedAsSentOrChangesNothing) {
    // A port typed with a blank goes out with it; the dialog then wants that text echoed, so
    // an appliance that takes the port must echo it so, or else refuse it and keep its port.
    SimClient client = loggedIn();
    const std::pair<std::string, std::string> sets[] = {
        {" 940", "3"}, {"9400 ", "3"}, {"9400", " 3"}};
    for (const auto& [port, maximum] : sets) {
        const std::string reply =
            cuts::stripped(client.exchangeOnce("Vertex " + port + " " + maximum));
        if (reply != "+OK PORT " + port + " MAX " + maximum) {
            const std::string read = cuts::stripped(client.exchangeOnce("Vertex"));
            EXPECT_EQ(cuts::mid(read, 9, 4), "9300") << "[" << port << "]";
            EXPECT_EQ(cuts::mid(read, 18, 1), "7") << "[" << port << "]";
        }
    }
}

TEST_F(SerialCommandsTest, StationAddressFillsTheTwelveDigits) {
    SimClient client = loggedIn();
    EXPECT_EQ(cuts::stationDigits(client.exchange("station")), "000BCE010203");
    EXPECT_NE(client.exchange("station 00:1a:2B:3c:4D:5e").find("+OK"), std::string::npos);
    EXPECT_EQ(cuts::stationDigits(client.exchange("station")), "001A2B3C4D5E");
    for (const char* bad : {"station 00:1A:2B:3C:4D", "station 00:1A:2B:3C:4D:5G",
                            "station 001A2B3C4D5E", "station 00 1A 2B 3C 4D 5E"}) {
        EXPECT_EQ(client.exchange(bad).find("+OK"), std::string::npos) << bad;
    }
}

TEST_F(SerialCommandsTest, RouteGenerationFillsTheRoutingTable) {
    SimClient client = loggedIn();
    const auto routes = [&client] {
        std::vector<std::pair<std::string, std::string>> table;
        const std::string reply = client.exchange("route", 3000);
        EXPECT_NE(cuts::closingLine(reply).find("+OK"), std::string::npos);
        for (const auto& line : cuts::listingLines(reply)) {
            const std::size_t arrow = line.find('>');
            std::string from = line.substr(0, arrow);
            from.erase(from.find_last_not_of(' ') + 1);
            std::string to = line.substr(arrow + 1);
            to.erase(0, to.find_first_not_of(' '));
            table.emplace_back(from, to);
        }
        return table;
    };
    EXPECT_EQ(routes().size(), 1u);
    EXPECT_NE(client.exchange("route multi", 3000).find("+OK"), std::string::npos);
    const auto star = routes();
    ASSERT_EQ(star.size(), 3u);
    for (const auto& [from, to] : star) {
        EXPECT_EQ(from, "00:0B:CE:00:00:01");
        EXPECT_EQ(to.size(), 17u);
    }
    EXPECT_NE(client.exchange("route ptp", 3000).find("+OK"), std::string::npos);
    EXPECT_EQ(routes().size(), 2u);
    EXPECT_NE(client.exchange("route manual", 3000).find("+OK"), std::string::npos);
    EXPECT_EQ(routes().size(), 2u);
    EXPECT_EQ(client.exchange("route sideways", 3000).find("+OK"), std::string::npos);
}

TEST_F(SerialCommandsTest, SerialSettingsRoundTrip) {
    SimClient client = loggedIn();
    EXPECT_EQ(cuts::serialSettings(client.exchange("rs232")),
              (std::array<std::string, 3>{"115200", "8N1", "hardware"}));
    EXPECT_NE(client.exchange("rs232 9600 7E2 xonoff").find("+OK"), std::string::npos);
    EXPECT_EQ(cuts::serialSettings(client.exchange("rs232")),
              (std::array<std::string, 3>{"9600", "7E2", "xonoff"}));
    for (const char* bad : {"rs232 9601 8N1 none", "rs232 9600 4N1 none", "rs232 9600 8M1 none",
                            "rs232 9600 8N3 none", "rs232 9600 8N1 rts", "rs232 9600 8N1"}) {
        EXPECT_EQ(client.exchange(bad).find("+OK"), std::string::npos) << bad;
    }
}
