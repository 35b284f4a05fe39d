// Server mode: "Port", "prsv", "kato", "Bind" and "Rele".
#include "sim/CommandTable.h"
#include "sim/Validate.h"

#include <algorithm>

namespace sim {

namespace {

constexpr std::size_t kMaxRegistrations = 14;

Reply port(CommandContext& context, const CommandLine& command) {
    // The manager takes the last four characters of the reply as the port.
    if (!command.hasArguments) {
        return Reply::line("+OK PORT " + fourDigits(context.state.dataPort));
    }
    if (!isShortPort(command.argumentText)) {
        return Reply::error("Port must be 1 to 9999");
    }
    context.state.dataPort = command.argumentText;
    return Reply::ok();
}

Reply keepSocket(CommandContext& context, const CommandLine& command) {
    bool& keep = context.state.keepSocket;
    if (!command.hasArguments) {
        return Reply::line(std::string("+OK PRSV ") + (keep ? "on" : "off"));
    }
    if (command.argumentText != "on" && command.argumentText != "off") {
        return Reply::error("Use on or off");
    }
    keep = command.argumentText == "on";
    return Reply::ok();
}

Reply keepAlive(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        return Reply::line("+OK KATO " + state.keepAliveSeconds + " " + state.keepAliveInterval +
                           " " + state.keepAliveProbes);
    }
    const auto& args = command.arguments;
    if (args.size() != 3 || !isNumberInRange(args[0], 1, 65535) ||
        !isNumberInRange(args[1], 1, 3600) || !isNumberInRange(args[2], 1, 100)) {
        return Reply::error("Usage: kato seconds interval probes");
    }
    state.keepAliveSeconds = args[0];
    state.keepAliveInterval = args[1];
    state.keepAliveProbes = args[2];
    return Reply::ok();
}

Reply listRegistrations(const ApplianceState& state) {
    std::string text;
    for (std::size_t i = 0; i < state.registrations.size(); ++i) {
        text += tableRow(i, state.registrations[i].device, state.registrations[i].port);
    }
    return {text + "+OK\r\n"};
}

Reply bind(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        return listRegistrations(state);
    }
    // The port is the last word; the device is everything before its blank, as the manager
    // typed it (a name may hold blanks, also at its end).
    const std::string& text = command.argumentText;
    const std::size_t lastBlank = text.find_last_of(' ');
    if (lastBlank == std::string::npos) {
        return Reply::error("Usage: Bind device port");
    }
    const std::string port = text.substr(lastBlank + 1);
    const std::string device = text.substr(0, lastBlank);
    if (!isPort(port) || !isDevice(device)) {
        return Reply::error("Invalid device or port");
    }
    auto& entries = state.registrations;
    const bool taken = std::any_of(entries.begin(), entries.end(), [&](const Registration& each) {
        return each.device == device || each.port == port;
    });
    if (taken) {
        return Reply::error("Device or port already registered");
    }
    if (entries.size() >= kMaxRegistrations) {
        return Reply::error("Registration table full");
    }
    entries.push_back({device, port});
    return Reply::ok();
}

Reply release(CommandContext& context, const CommandLine& command) {
    return eraseFirst(
        context.state.registrations,
        [&](const Registration& each) { return each.port == command.argumentText; },
        "No registration on that port");
}

} // namespace

void addServerCommands(CommandTable& table) {
    table.add("Port", "PORT", port);
    table.add("prsv", "PRSV", keepSocket);
    table.add("kato", "KATO", keepAlive);
    table.add("Bind", "BIND", bind);
    table.add("Rele", "RELE", release);
}

} // namespace sim
