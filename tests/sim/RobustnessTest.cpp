#include "SimFixture.h"

#include <random>

class RobustnessTest : public SimFixture {};

TEST_F(RobustnessTest, BinaryGarbageGetsErrorsAndTheConnectionGoesOn) {
    SimClient client = loggedIn();
    std::mt19937 random(42);
    std::string garbage(3000, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(random() % 256);
    }
    client.sendRaw(garbage + "\r\n");
    const std::string answers = client.readUntilSilent(200);
    EXPECT_EQ(answers.find("+OK"), std::string::npos);
    EXPECT_EQ(client.exchangeOnce("Ver"), "+OK Ver 1.7.3\r\n");
}

TEST_F(RobustnessTest, OverlongLineIsDroppedWithOneError) {
    SimClient client = loggedIn();
    client.sendRaw(std::string(100000, 'A'));
    client.sendRaw("Ver\r\nMode\r\n"); // the rest of the long line, up to its end, is thrown away
    EXPECT_EQ(client.readUntilSilent(300), "-ERR Line too long\r\n+OK Server Mode\r\n");
    EXPECT_EQ(client.exchangeOnce("Ver"), "+OK Ver 1.7.3\r\n");
}

TEST_F(RobustnessTest, BareLineFeedEndsALineToo) {
    SimClient client = loggedIn();
    client.sendRaw("Ver\n");
    EXPECT_EQ(client.readOnce(1000), "+OK Ver 1.7.3\r\n");
}

TEST_F(RobustnessTest, VanishedClientsDoNotDisturbOthers) {
    SimClient steady = loggedIn();
    for (int i = 0; i < 20; ++i) {
        SimClient gone = connect();
        if (i % 3 == 0) {
            gone.sendRaw("User admin\r\nPass velmora\r\nList\r\nList\r\nList"); // no line end
        } else if (i % 3 == 1) {
            gone.sendRaw("half a li");
        }
    } // each one closes with its replies unread
    EXPECT_EQ(steady.exchange("List").substr(0, 2), "0|");
    SimClient late = loggedIn();
    EXPECT_EQ(late.exchangeOnce("Mode"), "+OK Server Mode\r\n");
}

TEST_F(RobustnessTest, ClientThatNeverReadsIsDroppedAlone) {
    SimClient steady = loggedIn();
    SimClient flooder = loggedIn();
    std::string burst;
    for (int i = 0; i < 2000; ++i) {
        burst += "repeater\r\n";
    }
    for (int i = 0; i < 10; ++i) {
        flooder.sendRaw(burst); // about 20000 replies, never read
    }
    EXPECT_EQ(steady.exchangeOnce("Ver"), "+OK Ver 1.7.3\r\n");
}

TEST_F(RobustnessTest, HalfClosedClientStillGetsItsReplies) {
    simulator->setFaults(0, [] {
        sim::Faults faults;
        faults.replyDelayMs = 50;
        return faults;
    }());
    SimClient client = connect();
    client.readGreeting();
    client.sendRaw("User admin\r\nPass velmora\r\nVer\r\n");
    client.finishSending();
    EXPECT_EQ(client.readUntilSilent(300),
              "+OK Password required\r\n+OK User Authenticated\r\n+OK Ver 1.7.3\r\n");
    EXPECT_TRUE(client.waitClosed(500));
}

TEST_F(RobustnessTest, ResetAfterHalfCloseEndsTheSessionBeforeItsDelayedReply) {
    simulator->setFaults(0, [] {
        sim::Faults faults;
        faults.replyDelayMs = 60000;
        return faults;
    }());
    SimClient client = connect();
    client.readGreeting();
    client.sendRaw("Ver\r\n");
    client.finishSending();
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the end of the stream first
    client.reset();
    EXPECT_TRUE(noClientsWithin(3000));
}

TEST_F(RobustnessTest, OneTooManyIsToldAndIdleConnectionsAreDropped) {
    SimClient steady = loggedIn();
    std::vector<SimClient> idle;
    for (int i = 1; i < 32; ++i) {
        idle.push_back(connect());
        EXPECT_EQ(idle.back().readGreeting(), "Welcome to Velmora42\r\n");
    }
    SimClient refused = connect();
    EXPECT_EQ(refused.readOnce(2000), "-ERR Too many connections\r\n");
    EXPECT_TRUE(refused.waitClosed(1000));

    sim::Timing timing = simulator->timing(0);
    EXPECT_EQ(timing.loginTimeoutMs, 10000);
    timing.loginTimeoutMs = 100;
    simulator->setTiming(0, timing);
    for (SimClient& each : idle) {
        EXPECT_EQ(each.readOnce(3000), "-ERR Login timed out\r\n");
        EXPECT_TRUE(each.waitClosed(1000));
    }
    EXPECT_EQ(steady.exchangeOnce("Ver"), "+OK Ver 1.7.3\r\n"); // logged in, so kept
    SimClient late = loggedIn();
    EXPECT_EQ(late.exchangeOnce("Mode"), "+OK Server Mode\r\n");
}

TEST_F(RobustnessTest, StopClosesConnectionsAndRestartBindsTheSamePorts) {
    SimClient client = loggedIn();
    const auto port = simulator->controlPort(0);
    const auto discoveryPort = simulator->discoveryPort();
    simulator->stop();
    EXPECT_TRUE(client.waitClosed(1000));
    ASSERT_TRUE(simulator->start());
    EXPECT_EQ(simulator->controlPort(0), port);
    EXPECT_EQ(simulator->discoveryPort(), discoveryPort);
    SimClient again = loggedIn();
    EXPECT_EQ(again.exchangeOnce("Mode"), "+OK Server Mode\r\n");
}

TEST_F(RobustnessTest, BusyPortIsReportedByStart) {
    auto options = sim::SimulatorOptions::loopback(1);
    options.appliances[0].controlPort = simulator->controlPort(0);
    sim::Simulator second(options);
    std::string error;
    EXPECT_FALSE(second.start(&error));
    EXPECT_NE(error.find("bind"), std::string::npos);
    EXPECT_FALSE(second.isRunning());
}
