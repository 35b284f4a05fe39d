#include "ManagerCuts.h"
#include "SimFixture.h"

#include <chrono>

class ModeCommandsTest : public SimFixture {};

TEST_F(ModeCommandsTest, HelpListsEveryCommandWordOnItsFirstLine) {
    SimClient client = loggedIn();
    const std::string reply = client.exchange("help", 2000);
    const std::string firstLine = reply.substr(0, reply.find_first_of("\r\n"));
    for (const char* word :
         {"USER",  "PASS",  "HELP",   "VER",     "MODE",   "PORT",  "PRSV",     "KATO",
          "BIND",  "RELE",  "SERV",   "DELSERV", "PSIST",  "REPT",  "VERTEX",   "STATION",
          "ROUTE", "RS232", "BTNAME", "MAXDT",   "LINKTO", "SCAN",  "SECU",     "PAIR",
          "PIN",   "STAT",  "LIST",   "DISC",    "PINQ",   "NGBRH", "REPEATER", "REBOOT"}) {
        EXPECT_NE(firstLine.find(word), std::string::npos) << word;
    }
    EXPECT_EQ(firstLine.substr(0, 3), "+OK");
}

TEST_F(ModeCommandsTest, WordsLeftOutOfHelpAreRefused) {
    simulator->updateState(0, [](sim::ApplianceState& state) {
        std::erase_if(state.commandWords, [](const std::string& word) {
            return word == "PRSV" || word == "KATO" || word == "REPEATER";
        });
        state.firmware = "1.6.2";
    });
    SimClient client = loggedIn();
    const std::string help = client.exchange("help");
    EXPECT_EQ(help.find("KATO"), std::string::npos);
    EXPECT_EQ(help.find("PRSV"), std::string::npos);
    EXPECT_EQ(help.find("REPEATER"), std::string::npos);
    EXPECT_EQ(client.exchange("kato"), "-ERR Unknown command\r\n");
    EXPECT_EQ(client.exchange("repeater"), "-ERR Unknown command\r\n");
    EXPECT_EQ(cuts::firmwareNumber(client.exchange("Ver")), 262);
}

TEST_F(ModeCommandsTest, VersionCutsToTheFirmwareNumber) {
    SimClient client = loggedIn();
    const std::string reply = client.exchange("Ver");
    EXPECT_EQ(cuts::mid(reply, 8), "1.7.3\r\n");
    EXPECT_EQ(cuts::firmwareNumber(reply), 263);
}

TEST_F(ModeCommandsTest, EveryModeReadsBackAsItsExactLine) {
    simulator->updateState(0, [](sim::ApplianceState& state) { state.connections.clear(); });
    SimClient client = loggedIn();
    const std::pair<const char*, const char*> modes[] = {
        {"client", "+OK Client Mode"},     {"vertex", "+OK Vertex Mode"},
        {"repeater", "+OK Repeater Mode"}, {"hub", "+OK Serial Hub Mode"},
        {"rs232", "+OK RS232 Mode"},       {"server", "+OK Server Mode"}};
    for (const auto& [word, line] : modes) {
        EXPECT_NE(client.exchange(std::string("mode ") + word, 3000).find("+OK"),
                  std::string::npos);
        EXPECT_EQ(cuts::stripped(client.exchangeOnce("Mode")), line);
    }
}

TEST_F(ModeCommandsTest, ModeChangeWaitsForTheBluetoothConnectionsToEnd) {
    SimClient client = loggedIn();
    ASSERT_EQ(simulator->state(0).connections.size(), 2u);
    EXPECT_EQ(client.exchange("mode vertex", 3000).substr(0, 4), "-ERR");
    EXPECT_EQ(client.exchange("mode server", 3000), "+OK\r\n"); // no change, nothing to drop
    for (const auto& row : cuts::listingLines(client.exchange("List"))) {
        EXPECT_EQ(cuts::stripped(client.exchange("disc " + cuts::splitFields(row, 9)[0], 3000)),
                  "+OK");
    }
    EXPECT_EQ(client.exchange("mode vertex", 3000), "+OK\r\n");
    EXPECT_EQ(client.exchangeOnce("Mode"), "+OK Vertex Mode\r\n");
}

TEST_F(ModeCommandsTest, BadModeWordsAndRs232OnModel101Fail) {
    simulator->updateState(0, [](sim::ApplianceState& state) {
        state.connections.clear();
        state.modelCode = "101";
    });
    SimClient client = loggedIn();
    EXPECT_EQ(client.exchange("mode ", 3000).find("+OK"), std::string::npos);
    EXPECT_EQ(client.exchange("mode Server", 3000).find("+OK"), std::string::npos);
    EXPECT_EQ(client.exchange("mode rs232", 3000).find("+OK"), std::string::npos);
    EXPECT_EQ(client.exchangeOnce("Mode"), "+OK Server Mode\r\n");
}

TEST_F(ModeCommandsTest, RepeaterModeAnswersAfterItsDelay) {
    simulator->updateState(0, [](sim::ApplianceState& state) { state.connections.clear(); });
    simulator->setRepeaterModeDelayMs(0, 300);
    SimClient client = loggedIn();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(client.exchange("mode repeater", 2000), "+OK\r\n");
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(290));
}

TEST_F(ModeCommandsTest, UnknownCommandsAndWrongCase) {
    SimClient client = loggedIn();
    EXPECT_EQ(client.exchange("frobnicate"), "-ERR Unknown command\r\n");
    EXPECT_EQ(client.exchange("VER"), "-ERR Unknown command\r\n");
    EXPECT_EQ(client.exchange("bind"), "-ERR Unknown command\r\n");
}
