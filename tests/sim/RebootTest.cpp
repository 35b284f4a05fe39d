#include "ManagerCuts.h"
#include "SimFixture.h"

#include <chrono>
#include <thread>

class RebootTest : public SimFixture {};

TEST_F(RebootTest, AwayForTheDowntimeThenBackWithSettingsAndWithoutConnections) {
    simulator->setRebootDowntimeMs(0, 400);
    SimClient bystander = loggedIn();
    SimClient client = loggedIn();
    ASSERT_EQ(cuts::stripped(client.exchangeOnce("BTName Kept")), "+OK");
    ASSERT_EQ(cuts::stripped(client.exchangeOnce("Reboot")).substr(0, 3), "+OK");
    EXPECT_TRUE(client.waitClosed(1000));
    EXPECT_TRUE(bystander.waitClosed(1000));

    EXPECT_FALSE(simulator->isUp(0));
    SimClient refused;
    EXPECT_FALSE(refused.connect(simulator->controlAddress(0), simulator->controlPort(0)));
    EXPECT_TRUE(discoverNow(100).empty());

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!simulator->isUp(0) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_TRUE(simulator->isUp(0));
    EXPECT_EQ(discoverNow().size(), 1u);
    SimClient again = loggedIn();
    EXPECT_EQ(cuts::mid(cuts::stripped(again.exchangeOnce("BTName")), 4), "Kept");
    EXPECT_EQ(again.exchange("List"), "+OK\r\n");
}

TEST_F(RebootTest, OtherAppliancesStayReachable) {
    start(sim::SimulatorOptions::loopback(2));
    simulator->setRebootDowntimeMs(0, 1000);
    SimClient client = loggedIn(0);
    client.exchangeOnce("Reboot");
    EXPECT_TRUE(client.waitClosed(1000));
    EXPECT_EQ(discoverNow().size(), 1u);
    SimClient other = loggedIn(1);
    EXPECT_EQ(other.exchangeOnce("Mode"), "+OK Server Mode\r\n");
}
