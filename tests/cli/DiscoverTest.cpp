// discover against the simulator's appliances on loopback, by unicast to its discovery address.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CtlProcess.h"
#include "sim/Simulator.h"

namespace {

class DiscoverTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(simulator.start(&error)) << error;
    }
    CCtlRun Discover(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(),
                         {"--discovery-port", std::to_string(simulator.discoveryPort()), "discover",
                          "--timeout", "0.3"});
        return RunCtl(arguments);
    }

    sim::Simulator simulator{sim::SimulatorOptions::loopback(3)};
};

TEST_F(DiscoverTest, ListsEachApplianceOnceWithItsRecord) {
    // The address twice, once in a range: one request each way, one row per appliance.
    const CCtlRun run = Discover({"--to", "127.0.0.1", "--to", "127.0.0.1/31", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json rows = nlohmann::json::parse(run.out);
    ASSERT_EQ(rows.size(), 3u);
    for (size_t index = 0; index < 3; ++index) {
        const sim::ApplianceState state = simulator.state(index);
        const nlohmann::json& row = rows[index];
        EXPECT_EQ(row["name"], state.btName);
        EXPECT_EQ(row["model"], state.modelCode);
        EXPECT_EQ(row["serial"], state.serialNumber);
        EXPECT_EQ(row["ip"], simulator.controlAddress(index));
        EXPECT_EQ(row["port"], std::to_string(simulator.controlPort(index)));
        EXPECT_EQ(row["mac"], state.macAddress);
        EXPECT_EQ(row["bdaddr"], state.bdAddress);
    }
    const CCtlRun table = Discover({"--to", "127.0.0.1"});
    EXPECT_EQ(table.out.substr(0, table.out.find('\n')),
              "Name         Model  Serial      IP address  Port   MAC address        "
              "Bluetooth address");
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 4);
}

TEST_F(DiscoverTest, NobodyAnsweringSaysWhereItSearchedAndEndsWithStatusOne) {
    simulator.stop();
    const CCtlRun run = Discover({"--to", "127.0.0.1", "--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "[]\n");
    EXPECT_EQ(run.err, "velmora42-ctl: No appliance answered at 127.0.0.1\n");
}

} // namespace
