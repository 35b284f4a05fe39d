#include "sim/SimulatorOptions.h"

#include "sim/Socket.h"

namespace sim {

SimulatorOptions SimulatorOptions::standard(int count) {
    SimulatorOptions options;
    const std::uint32_t first = *parseIPv4("127.0.0.2");
    for (int i = 0; i < count; ++i) {
        ApplianceOptions appliance;
        appliance.controlAddress = formatIPv4(first + static_cast<std::uint32_t>(i));
        appliance.state = ApplianceState::defaults(i + 1);
        options.appliances.push_back(appliance);
    }
    return options;
}

SimulatorOptions SimulatorOptions::loopback(int count) {
    SimulatorOptions options = standard(count);
    options.discoveryAddress = "127.0.0.1";
    options.discoveryPort = 0;
    for (auto& appliance : options.appliances) {
        appliance.controlAddress = "127.0.0.1";
        appliance.controlPort = 0;
        appliance.timing.rebootDowntimeMs = 0;
        appliance.timing.repeaterModeDelayMs = 0;
    }
    return options;
}

} // namespace sim
