#pragma once

#include "SimClient.h"

#include "sim/Simulator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

// Starts a simulator on 127.0.0.1 with free ports for each test.
class SimFixture : public ::testing::Test {
protected:
    void SetUp() override { start(sim::SimulatorOptions::loopback(1)); }

    void start(sim::SimulatorOptions options) {
        if (simulator) {
            simulator->stop();
        }
        simulator = std::make_unique<sim::Simulator>(std::move(options));
        std::string error;
        ASSERT_TRUE(simulator->start(&error)) << error;
    }

    SimClient connect(std::size_t index = 0) {
        SimClient client;
        EXPECT_TRUE(
            client.connect(simulator->controlAddress(index), simulator->controlPort(index)));
        return client;
    }

    SimClient loggedIn(std::size_t index = 0) {
        SimClient client = connect(index);
        const auto state = simulator->state(index);
        EXPECT_TRUE(client.login(state.user, state.password));
        return client;
    }

    // The appliance notices a closed connection a moment after the client closed it.
    bool noClientsWithin(int waitMs, std::size_t index = 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        while (simulator->clientCount(index) != 0 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return simulator->clientCount(index) == 0;
    }

    std::vector<std::vector<std::uint8_t>> discoverNow(int waitMs = 200) {
        return discover("127.0.0.1", simulator->discoveryPort(), waitMs);
    }

    std::unique_ptr<sim::Simulator> simulator;
};
