// The command line's own broadcast search, in a private network namespace where three
// simulated appliances answer on the default ports, as in the demo.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "../e2e/PrivateNetwork.h"
#include "CtlProcess.h"
#include "sim/Simulator.h"

namespace {

TEST(BroadcastDiscover, ListsTheDemoAppliancesAndShowNamesTheRecordOfOne) {
    RUN_IN_PRIVATE_NETWORK();
    sim::Simulator appliances(sim::SimulatorOptions::standard(3));
    std::string error;
    ASSERT_TRUE(appliances.start(&error)) << error;

    const CCtlRun discover = RunCtl({"discover", "--json"});
    ASSERT_EQ(discover.status, 0) << discover.err;
    std::vector<std::string> addresses;
    for (const nlohmann::json& row : nlohmann::json::parse(discover.out))
        addresses.push_back(row["ip"]);
    std::sort(addresses.begin(), addresses.end());
    EXPECT_EQ(addresses, (std::vector<std::string>{"127.0.0.2", "127.0.0.3", "127.0.0.4"}));

    const CCtlRun show = RunCtl({"show", "127.0.0.3"}, {"VELMORA42_PASSWORD=velmora"});
    ASSERT_EQ(show.status, 0) << show.err;
    EXPECT_NE(show.out.find("# MAC address: " + appliances.state(1).macAddress + "\n"),
              std::string::npos)
        << show.out;
}

} // namespace
