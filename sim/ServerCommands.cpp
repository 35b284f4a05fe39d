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

// An address registration is written index "||" address "|" port, a name registration
// index "|" name "||" port; the manager reads both.
Reply listRegistrations(const ApplianceState& state) {
    std::string text;
    for (std::size_t i = 0; i < state.registrations.size(); ++i) {
        const Registration& entry = state.registrations[i];
        const bool byAddress = isBdAddress(entry.device);
        text += std::to_string(i) + (byAddress ? "||" : "|") + entry.device +
                (byAddress ? "|" : "||") + entry.port + "\r\n";
    }
    return {text + "+OK\r\n"};
}

Reply bind(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        return listRegistrations(state);
    }
    // The port is the last word; the device is everything before it (a name may hold blanks).
    const std::string& text = command.argumentText;
    const std::size_t lastBlank = text.find_last_of(' ');
    if (lastBlank == std::string::npos) {
        return Reply::error("Usage: Bind device port");
    }
    const std::string port = text.substr(lastBlank + 1);
    std::string device = text.substr(0, lastBlank);
    device.erase(device.find_last_not_of(' ') + 1);
    if (!isPort(port) || !(isBdAddress(device) || isSafeName(device))) {
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
    auto& entries = context.state.registrations;
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const Registration& each) {
        return each.port == command.argumentText;
    });
    if (found == entries.end()) {
        return Reply::error("No registration on that port");
    }
    entries.erase(found);
    return Reply::ok();
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
