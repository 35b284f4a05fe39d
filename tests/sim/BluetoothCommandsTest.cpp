#include "ManagerCuts.h"
#include "SimFixture.h"

class BluetoothCommandsTest : public SimFixture {};

TEST_F(BluetoothCommandsTest, QueriesCutToTheirValues) {
    SimClient client = loggedIn();
    const auto query = [&client](const char* command) {
        const std::string reply = cuts::stripped(client.exchangeOnce(command));
        EXPECT_EQ(reply.substr(0, 3), "+OK") << command;
        return reply;
    };
    EXPECT_EQ(cuts::mid(query("BTName"), 4), "Velmora42-1");
    EXPECT_EQ(cuts::mid(query("Maxdt"), 8), "7");
    const std::string link = query("Linkto");
    EXPECT_EQ(cuts::mid(link, 17, static_cast<int>(link.size()) - 21), "30");
    EXPECT_EQ(cuts::mid(query("Scan"), 4), "inquiry page");
    EXPECT_EQ(cuts::mid(query("Secu"), 4), "low");
    EXPECT_EQ(cuts::mid(query("Pair"), 4), "on");
}

TEST_F(BluetoothCommandsTest, SetsAnswerExactlyOkAndReadBack) {
    SimClient client = loggedIn();
    for (const char* set :
         {"BTName Front desk", "Maxdt 5", "Linkto 12", "Secu high", "Pin 0000", "Pair off"}) {
        EXPECT_EQ(cuts::stripped(client.exchangeOnce(set)), "+OK") << set;
    }
    EXPECT_EQ(cuts::mid(cuts::stripped(client.exchangeOnce("BTName")), 4), "Front desk");
    EXPECT_EQ(cuts::mid(cuts::stripped(client.exchangeOnce("Maxdt")), 8), "5");
    const std::string link = cuts::stripped(client.exchangeOnce("Linkto"));
    EXPECT_EQ(cuts::mid(link, 17, static_cast<int>(link.size()) - 21), "12");
    EXPECT_EQ(cuts::mid(cuts::stripped(client.exchangeOnce("Secu")), 4), "high");
    EXPECT_EQ(cuts::mid(cuts::stripped(client.exchangeOnce("Pair")), 4), "off");
    EXPECT_EQ(simulator->state(0).pin, "0000");
}

TEST_F(BluetoothCommandsTest, ScanWordsMapToTheReportedForms) {
    SimClient client = loggedIn();
    const std::pair<const char*, const char*> cases[] = {{"Scan Inquiry", "inquiry "},
                                                         {"Scan Page", " page"},
                                                         {"Scan noscan", "noscan"},
                                                         {"Scan Inquiry page", "inquiry page"}};
    for (const auto& [set, reported] : cases) {
        EXPECT_EQ(cuts::stripped(client.exchangeOnce(set)), "+OK") << set;
        EXPECT_EQ(cuts::mid(cuts::stripped(client.exchangeOnce("Scan")), 4), reported) << set;
    }
}

TEST_F(BluetoothCommandsTest, InvalidSetsAreRefused) {
    SimClient client = loggedIn();
    for (const char* bad :
         {"BTName ", "BTName a|b", "BTName +OK", "Maxdt 8", "Maxdt x", "Linkto 0", "Secu medium",
          "Pair yes", "Scan both", "Pin ", "Pin 12345678901234567", "Pin 12 34"}) {
        EXPECT_NE(cuts::stripped(client.exchangeOnce(bad)), "+OK") << bad;
    }
}

TEST_F(BluetoothCommandsTest, LocalDevicesListSixFieldsPerRadio) {
    simulator->updateState(0, [](sim::ApplianceState& state) { state.localDevices = 2; });
    SimClient client = loggedIn();
    const std::string reply = client.exchange("Stat");
    const auto rows = cuts::listingLines(reply);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(cuts::closingLine(reply), "+OK");
    const auto first = cuts::splitFields(rows[0], 6);
    EXPECT_EQ(first[0], "0");
    EXPECT_EQ(first[1], "00:0B:CE:20:00:01");
    EXPECT_EQ(cuts::splitFields(rows[1], 6)[1], "00:0B:CE:20:00:02");
    for (const auto& field : first) {
        EXPECT_FALSE(field.empty());
        EXPECT_EQ(field.find('|'), std::string::npos);
    }
    // With two radios, up to fourteen links.
    EXPECT_EQ(cuts::stripped(client.exchangeOnce("Maxdt 14")), "+OK");
}
