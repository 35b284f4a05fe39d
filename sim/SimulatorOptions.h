#pragma once

#include "sim/ApplianceState.h"
#include "sim/Faults.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// How long the slow operations of an appliance take, in milliseconds.
struct Timing {
    int rebootDowntimeMs = 8000;    // "Reboot": away from discovery and connections this long
    int repeaterModeDelayMs = 3000; // "mode repeater" answers this late
    int loginTimeoutMs = 10000;     // a connection not logged in by then is closed

    bool operator==(const Timing&) const = default;
};

// Shape of the discovery replies: bytes before the marker and the order of the eight
// records (record types 1 to 8, each exactly once).
struct DiscoveryLayout {
    std::vector<std::uint8_t> junkPrefix;
    std::array<int, 8> recordOrder{1, 2, 3, 4, 5, 6, 7, 8};

    bool operator==(const DiscoveryLayout&) const = default;
};

struct ApplianceOptions {
    std::string controlAddress = "127.0.0.2"; // IPv4 address the control listener binds
    std::uint16_t controlPort = 9097;         // 0: any free port
    ApplianceState state = ApplianceState::defaults(1);
    Timing timing;
    Faults faults;
};

struct SimulatorOptions {
    std::vector<ApplianceOptions> appliances; // at least one
    bool discoveryEnabled = true;
    std::string discoveryAddress = "0.0.0.0"; // wildcard, so that broadcasts arrive
    std::uint16_t discoveryPort = 9097;       // 0: any free port
    DiscoveryLayout discoveryLayout;
    int discoverySpreadMs = 0;  // each reply to a request goes out at its own moment within this
    std::string transcriptPath; // every received line is appended here when not empty
    // transcript() keeps each appliance's latest lines up to this many bytes; 0 keeps none
    // (the program has only the file).
    std::size_t transcriptKeptBytes = 256 * 1024;

    // `count` appliances as the program runs them: control listeners on 127.0.0.2,
    // 127.0.0.3, ... port 9097, discovery on the wildcard address, port 9097.
    static SimulatorOptions standard(int count = 1);
    // `count` appliances for in-process tests: everything on 127.0.0.1 with free ports,
    // no delays for reboot or repeater mode.
    static SimulatorOptions loopback(int count = 1);
};

} // namespace sim
