#include "sim/CliOptions.h"

#include <gtest/gtest.h>

using sim::parseCommandLine;

TEST(CliOptionsTest, DefaultsMatchTheProgramDescription) {
    const auto cli = parseCommandLine({});
    ASSERT_TRUE(cli.error.empty());
    const auto& options = cli.options;
    ASSERT_EQ(options.appliances.size(), 1u);
    EXPECT_EQ(options.appliances[0].controlAddress, "127.0.0.2");
    EXPECT_EQ(options.appliances[0].controlPort, 9097);
    EXPECT_EQ(options.discoveryAddress, "0.0.0.0");
    EXPECT_EQ(options.discoveryPort, 9097);
    EXPECT_EQ(options.appliances[0].state.user, "admin");
    EXPECT_EQ(options.appliances[0].state.password, "velmora");
    EXPECT_EQ(options.appliances[0].timing.rebootDowntimeMs, 8000);
    EXPECT_EQ(options.appliances[0].state.connections.size(), 2u);
}

TEST(CliOptionsTest, DevicesCountUpFromTheBindAddress) {
    auto cli = parseCommandLine({"--devices", "3"});
    ASSERT_EQ(cli.options.appliances.size(), 3u);
    EXPECT_EQ(cli.options.appliances[2].controlAddress, "127.0.0.4");
    EXPECT_EQ(cli.options.appliances[2].state.btName, "Velmora42-3");
    cli = parseCommandLine({"--devices", "2", "--first-number", "255"});
    EXPECT_EQ(cli.options.appliances[1].state.btName, "Velmora42-256");
    EXPECT_EQ(cli.options.appliances[1].state.macAddress, "00:0B:CE:10:01:00");

    cli = parseCommandLine(
        {"--devices", "3", "--bind", "127.0.1.10,127.0.2.1", "--control-port", "0"});
    EXPECT_EQ(cli.options.appliances[0].controlAddress, "127.0.1.10");
    EXPECT_EQ(cli.options.appliances[1].controlAddress, "127.0.2.1");
    EXPECT_EQ(cli.options.appliances[2].controlAddress, "127.0.2.2");
    EXPECT_EQ(cli.options.appliances[2].controlPort, 0);

    cli = parseCommandLine({"--devices", "1000", "--discovery-spread", "100"});
    ASSERT_EQ(cli.options.appliances.size(), 1000u);
    EXPECT_EQ(cli.options.appliances[999].controlAddress, "127.0.3.233");
    EXPECT_EQ(cli.options.discoverySpreadMs, 100);
    EXPECT_EQ(cli.options.transcriptKeptBytes, 0u); // the program keeps only the file
}

TEST(CliOptionsTest, FaultsTimingAndProfile) {
    const auto cli = parseCommandLine({"--reply-delay",
                                       "150",
                                       "--split-pieces",
                                       "4",
                                       "--split-gap",
                                       "20",
                                       "--silent",
                                       "Mode,Ver",
                                       "--fail",
                                       "Bind",
                                       "--close-after",
                                       "7",
                                       "--unsolicited",
                                       "500",
                                       "--long-reply",
                                       "List",
                                       "--reboot-downtime",
                                       "2",
                                       "--repeater-delay",
                                       "0",
                                       "--profile",
                                       "legacy",
                                       "--password",
                                       "secret",
                                       "--connections",
                                       "0",
                                       "--connection-churn",
                                       "5",
                                       "--discovery-junk",
                                       "3",
                                       "--discovery-order",
                                       "8,7,6,5,4,3,2,1",
                                       "--transcript",
                                       "/tmp/t.txt",
                                       "--radios",
                                       "3",
                                       "--no-discovery"});
    ASSERT_TRUE(cli.error.empty()) << cli.error;
    const auto& appliance = cli.options.appliances[0];
    EXPECT_EQ(appliance.faults.replyDelayMs, 150);
    EXPECT_EQ(appliance.faults.splitPieces, 4);
    EXPECT_EQ(appliance.faults.splitGapMs, 20);
    EXPECT_EQ(appliance.faults.silentWords, (std::set<std::string>{"Mode", "Ver"}));
    EXPECT_EQ(appliance.faults.failWords, (std::set<std::string>{"Bind"}));
    EXPECT_EQ(appliance.faults.closeAfterCommands, 7);
    EXPECT_EQ(appliance.faults.unsolicitedEveryMs, 500);
    EXPECT_EQ(appliance.faults.longReplyWords, (std::set<std::string>{"List"}));
    EXPECT_EQ(appliance.timing, (sim::Timing{2000, 0}));
    EXPECT_EQ(appliance.state.firmware, "1.6.2");
    EXPECT_FALSE(appliance.state.supports("KATO"));
    EXPECT_TRUE(appliance.state.supports("BIND"));
    EXPECT_EQ(appliance.state.password, "secret");
    EXPECT_TRUE(appliance.state.connections.empty());
    EXPECT_EQ(appliance.state.connectionChurnLists, 5);
    EXPECT_EQ(cli.options.discoveryLayout.junkPrefix.size(), 3u);
    EXPECT_EQ(cli.options.discoveryLayout.recordOrder[0], 8);
    EXPECT_EQ(cli.options.transcriptPath, "/tmp/t.txt");
    EXPECT_EQ(appliance.state.localDevices, 3);
    EXPECT_FALSE(cli.options.discoveryEnabled);
}

TEST(CliOptionsTest, CommandsKeepTheLoginWords) {
    const auto cli = parseCommandLine({"--commands", "ver,Mode"});
    EXPECT_EQ(cli.options.appliances[0].state.commandWords,
              (std::vector<std::string>{"USER", "PASS", "HELP", "VER", "MODE"}));
}

TEST(CliOptionsTest, MistakesAreReported) {
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--devices", "0"},
                                                  {"--devices"},
                                                  {"--devices", "1001"},
                                                  {"--bind", "localhost"},
                                                  {"--control-port", "70000"},
                                                  {"--discovery-order", "1,2,3,4,5,6,7,7"},
                                                  {"--profile", "ancient"},
                                                  {"--discovery-junk", "301"},
                                                  {"--model", std::string(17, 'M')},
                                                  {"--model", ""},
                                                  {"--frobnicate", "1"},
                                                  {"stray"}}) {
        EXPECT_FALSE(parseCommandLine(wrong).error.empty()) << wrong[0];
    }
    EXPECT_TRUE(parseCommandLine({"--help"}).showHelp);
}

TEST(CliOptionsTest, GetoptFormsAndAFreshStateEachParse) {
    auto cli = parseCommandLine({"--devices=3", "--contr", "0"});
    ASSERT_TRUE(cli.error.empty()) << cli.error;
    EXPECT_EQ(cli.options.appliances.size(), 3u);
    EXPECT_EQ(cli.options.appliances[2].controlPort, 0);

    EXPECT_EQ(parseCommandLine({"--dev", "0"}).error, "--devices takes a number from 1 to 1000");
    EXPECT_EQ(parseCommandLine({"--devices"}).error, "--devices needs a value");
    EXPECT_EQ(parseCommandLine({"--help=x"}).error, "--help takes no value");
    EXPECT_EQ(parseCommandLine({"--discovery", "1"}).error, "unknown option --discovery");
    EXPECT_EQ(parseCommandLine({"--", "stray"}).error, "unknown option stray");

    // The parse stops at "-x" with "h" still unread; the next one must not go on with it.
    EXPECT_EQ(parseCommandLine({"-xh"}).error, "unknown option -x");
    cli = parseCommandLine({"--devices", "2"});
    EXPECT_FALSE(cli.showHelp);
    EXPECT_EQ(cli.options.appliances.size(), 2u);
}
