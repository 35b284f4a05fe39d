// Vertex, Repeater, Serial Hub and RS232 modes: "Vertex", "station", "route" and "rs232".
#include "sim/CommandTable.h"
#include "sim/Validate.h"

#include <array>

namespace sim {

namespace {

// The query is read at fixed positions: four characters of port from position 9 and one
// of maximum at position 18, so a port below 1000 is widened with zeros. The set is echoed
// with both values exactly as they were written; a set with stray blanks, whose echo could
// not match what the manager sent, is refused.
Reply vertex(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        return Reply::line("+OK PORT " + fourDigits(state.vertexPort) + " MAX " +
                           state.vertexMaxConnections);
    }
    const auto& args = command.arguments;
    if (args.size() != 2 || command.argumentText != args[0] + " " + args[1] ||
        !isShortPort(args[0]) || !isNumberInRange(args[1], 1, 7, 1)) {
        return Reply::error("Usage: Vertex port(1-9999) maximum(1-7)");
    }
    state.vertexPort = args[0];
    state.vertexMaxConnections = args[1];
    return Reply::line("+OK PORT " + args[0] + " MAX " + args[1]);
}

Reply station(CommandContext& context, const CommandLine& command) {
    if (!command.hasArguments) {
        return Reply::line("+OK " + context.state.stationAddress);
    }
    if (!isBdAddress(command.argumentText)) {
        return Reply::error("Invalid Bluetooth address");
    }
    context.state.stationAddress = toUpper(command.argumentText);
    return Reply::ok();
}

Reply route(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        std::string text;
        for (const auto& [from, to] : state.routes) {
            text += from + " > " + to + "\r\n";
        }
        return {text + "+OK\r\n"};
    }
    const std::string& how = command.argumentText;
    const auto& devices = state.hubDevices;
    if (how == "ptp") {
        state.routes.clear();
        for (std::size_t i = 0; i + 1 < devices.size(); i += 2) {
            state.routes.emplace_back(devices[i], devices[i + 1]);
        }
    } else if (how == "multi") {
        state.routes.clear();
        for (std::size_t i = 1; i < devices.size(); ++i) {
            state.routes.emplace_back(devices[0], devices[i]);
        }
    } else if (how != "manual") {
        return Reply::error("Use ptp, multi or manual");
    }
    state.routeGeneration = how; // "manual" stops the generation and keeps the table
    return Reply::ok();
}

bool isBaudRate(const std::string& text) {
    static constexpr std::array<const char*, 13> rates{
        "300",   "600",   "1200",   "2400",   "4800",   "9600",  "19200",
        "38400", "57600", "115200", "230400", "460800", "921600"};
    for (const char* rate : rates) {
        if (text == rate) {
            return true;
        }
    }
    return false;
}

Reply serialPort(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        const std::string group{state.dataBits, state.parity, state.stopBits};
        return Reply::line("+OK RS232 " + state.baudRate + " " + group + " " + state.flowControl);
    }
    const auto& args = command.arguments;
    if (args.size() != 3 || !isBaudRate(args[0]) || args[1].size() != 3) {
        return Reply::error("Usage: rs232 baud DPS none|hardware|xonoff");
    }
    const std::string& group = args[1];
    const bool dataOk = group[0] >= '5' && group[0] <= '8';
    const bool parityOk = group[1] == 'N' || group[1] == 'O' || group[1] == 'E';
    const bool stopOk = group[2] == '1' || group[2] == '2';
    const bool flowOk = args[2] == "none" || args[2] == "hardware" || args[2] == "xonoff";
    if (!dataOk || !parityOk || !stopOk || !flowOk) {
        return Reply::error("Invalid serial settings");
    }
    state.baudRate = args[0];
    state.dataBits = group[0];
    state.parity = group[1];
    state.stopBits = group[2];
    state.flowControl = args[2];
    return Reply::ok();
}

} // namespace

void addSerialCommands(CommandTable& table) {
    table.add("Vertex", "VERTEX", vertex);
    table.add("station", "STATION", station);
    table.add("route", "ROUTE", route);
    table.add("rs232", "RS232", serialPort);
}

} // namespace sim
