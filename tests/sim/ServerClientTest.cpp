#include "ManagerCuts.h"
#include "SimFixture.h"

class ServerModeTest : public SimFixture {};

TEST_F(ServerModeTest, DataPortIsTheLastFourCharacters) {
    SimClient client = loggedIn();
    const std::string port = cuts::stripped(client.exchangeOnce("Port"));
    EXPECT_EQ(port.substr(0, 3), "+OK");
    EXPECT_EQ(port.substr(port.size() - 4), "9100");
    EXPECT_NE(client.exchange("Port 9555", 1000).find("+OK"), std::string::npos);
    const std::string changed = cuts::stripped(client.exchangeOnce("Port"));
    EXPECT_EQ(changed.substr(changed.size() - 4), "9555");
    EXPECT_NE(client.exchange("Port 80", 1000).find("+OK"), std::string::npos);
    const std::string widened = cuts::stripped(client.exchangeOnce("Port"));
    EXPECT_EQ(widened.substr(widened.size() - 4), "0080"); // fits the four-character field
    // Apply sends back what the dialog read.
    EXPECT_NE(client.exchange("Port 0080", 1000).find("+OK"), std::string::npos);
    const std::string again = cuts::stripped(client.exchangeOnce("Port"));
    EXPECT_EQ(again.substr(again.size() - 4), "0080");
    for (const char* bad : {"Port ", "Port 0", "Port 10000", "Port x1"}) {
        EXPECT_EQ(client.exchange(bad).find("+OK"), std::string::npos) << bad;
    }
}

TEST_F(ServerModeTest, KeepSocketAndKeepAliveRoundTrip) {
    SimClient client = loggedIn();
    EXPECT_NE(client.exchange("prsv").find("off"), std::string::npos);
    EXPECT_NE(client.exchange("prsv on").find("+OK"), std::string::npos);
    const std::string on = client.exchange("prsv");
    EXPECT_NE(on.find("+OK"), std::string::npos);
    EXPECT_EQ(on.find("off"), std::string::npos);

    const auto keepAlive = [](const std::string& reply) {
        const std::string rest = cuts::mid(reply, 9);
        return rest.substr(0, rest.find(' '));
    };
    EXPECT_EQ(keepAlive(client.exchange("kato")), "600");
    EXPECT_NE(client.exchange("kato 1200 10 3").find("+OK"), std::string::npos);
    EXPECT_EQ(keepAlive(client.exchange("kato")), "1200");
    EXPECT_EQ(client.exchange("kato  10 3").find("+OK"), std::string::npos);
}

TEST_F(ServerModeTest, RegistrationsParseInBothSeparatorOrders) {
    SimClient client = loggedIn();
    const std::string reply = client.exchange("Bind");
    EXPECT_EQ(cuts::closingLine(reply), "+OK");
    const auto rows = cuts::listingLines(reply);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(cuts::splitRegistration(rows[0]),
              (std::array<std::string, 3>{"0", "00:0B:CE:01:02:03", "9101"}));
    EXPECT_EQ(cuts::splitRegistration(rows[1]),
              (std::array<std::string, 3>{"1", "Sensor", "9102"}));
}

TEST_F(ServerModeTest, BindAndReleaseChangeTheTable) {
    SimClient client = loggedIn();
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Bind 00:0B:CE:AA:BB:CC 9103")), "+OK");
    // A name is kept as typed, as the dialog's new row shows it, trailing blank included.
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Bind Barcode reader  9104")), "+OK");
    EXPECT_NE(cuts::stripped(client.exchangeOnce("Bind Other 9103")), "+OK");  // port taken
    EXPECT_NE(cuts::stripped(client.exchangeOnce("Bind Sensor 9105")), "+OK"); // name taken
    EXPECT_NE(cuts::stripped(client.exchangeOnce("Bind A|B 9106")), "+OK");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Rele 9101")), "+OK");
    EXPECT_NE(cuts::stripped(client.exchangeOnce("Rele 9101")), "+OK");

    std::vector<std::array<std::string, 3>> table;
    for (const auto& row : cuts::listingLines(client.exchange("Bind"))) {
        table.push_back(cuts::splitRegistration(row));
    }
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0][1], "Sensor");
    EXPECT_EQ(table[1][1], "00:0B:CE:AA:BB:CC");
    EXPECT_EQ(table[1][2], "9103");
    EXPECT_EQ(table[2][1], "Barcode reader ");
    EXPECT_EQ(table[2][2], "9104");
}

class ClientModeTest : public SimFixture {};

TEST_F(ClientModeTest, ServerNamesAreKeptAsTypedAndDeletedByThatText) {
    // The dialog adds its row with the name as typed and deletes by that cell's text.
    SimClient client = loggedIn();
    ASSERT_EQ(cuts::stripped(client.exchangeOnce("Serv 10.1.2.4:4001 Scale ")), "+OK");
    const auto rows = cuts::listingLines(client.exchange("Serv"));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(cuts::splitRegistration(rows[2])[1], "Scale ");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("DelServ Scale ")), "+OK");
}

TEST_F(ClientModeTest, ServerTableAndHostLine) {
    SimClient client = loggedIn();
    const std::string reply = client.exchange("Serv");
    const auto rows = cuts::listingLines(reply);
    ASSERT_EQ(rows.size(), 3u); // a server by address, one by name, and the host line
    EXPECT_EQ(cuts::splitRegistration(rows[0]),
              (std::array<std::string, 3>{"0", "00:0B:CE:01:02:03", "192.168.0.20:9200"}));
    EXPECT_EQ(rows[1], "1|Printer||192.168.0.21:9201");
    ASSERT_EQ(cuts::closingLine(reply), rows[2]);
    ASSERT_EQ(rows[2].substr(0, 3), "+OK");
    EXPECT_EQ(cuts::hostOf(rows[2]), (std::pair<std::string, std::string>{"192.168.0.10", "9200"}));
}

TEST_F(ClientModeTest, HostAndServersRoundTrip) {
    SimClient client = loggedIn();
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Serv 10.1.2.3:4000")), "+OK");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Serv 10.1.2.4:4001 Weigh scale")), "+OK");
    EXPECT_NE(cuts::stripped(client.exchangeOnce("Serv 10.1.2.5:4002 Weigh scale")), "+OK");
    EXPECT_NE(cuts::stripped(client.exchangeOnce("Serv 10.1.2.300:4000")), "+OK");
    EXPECT_NE(cuts::stripped(client.exchangeOnce("Serv 10.1.2.3:")), "+OK");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("DelServ 00:0B:CE:01:02:03")), "+OK");
    EXPECT_NE(cuts::stripped(client.exchangeOnce("DelServ 00:0B:CE:01:02:03")), "+OK");

    const auto rows = cuts::listingLines(client.exchange("Serv"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(cuts::splitRegistration(rows[1]),
              (std::array<std::string, 3>{"1", "Weigh scale", "10.1.2.4:4001"}));
    EXPECT_EQ(cuts::hostOf(rows[2]), (std::pair<std::string, std::string>{"10.1.2.3", "4000"}));
}

TEST_F(ClientModeTest, IntervalAndPersistEchoExactly) {
    SimClient client = loggedIn();
    const std::string interval = cuts::stripped(client.exchangeOnce("Rept"));
    EXPECT_EQ(interval.substr(0, 3), "+OK");
    EXPECT_EQ(cuts::mid(interval, 17, static_cast<int>(interval.size()) - 17 - 3), "3000");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Rept 2500")), "+OK REPEAT every 2500 ms");
    const std::string changed = cuts::stripped(client.exchangeOnce("Rept"));
    EXPECT_EQ(cuts::mid(changed, 17, static_cast<int>(changed.size()) - 20), "2500");
    EXPECT_NE(cuts::stripped(client.exchangeOnce("Rept soon")).substr(0, 3), "+OK");

    EXPECT_EQ(cuts::mid(cuts::stripped(client.exchangeOnce("Psist")), 12), "on");
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Psist off")), "+OK PERSIST off");
    EXPECT_EQ(cuts::mid(cuts::stripped(client.exchangeOnce("Psist")), 12), "off");
    EXPECT_NE(cuts::stripped(client.exchangeOnce("Psist maybe")).substr(0, 3), "+OK");
}
