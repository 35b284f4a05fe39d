// Client mode: "Serv", "DelServ", "Psist" and "Rept".
#include "sim/CommandTable.h"
#include "sim/Validate.h"

#include <algorithm>

namespace sim {

namespace {

constexpr std::size_t kMaxServers = 14;

// Server lines, then the closing line with the host: "+OK " ip ":" port.
Reply listServers(const ApplianceState& state) {
    std::string text;
    for (std::size_t i = 0; i < state.servers.size(); ++i) {
        const ServerEntry& entry = state.servers[i];
        text += tableRow(i, entry.device, entry.address + ":" + entry.port);
    }
    return {text + "+OK " + state.hostAddress + ":" + state.hostPort + "\r\n"};
}

Reply server(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        return listServers(state);
    }
    const std::string& text = command.argumentText;
    const std::size_t blank = text.find(' ');
    const std::string endpoint = text.substr(0, blank);
    const std::size_t colon = endpoint.find(':');
    const std::string address = endpoint.substr(0, colon);
    const std::string port = colon == std::string::npos ? "" : endpoint.substr(colon + 1);
    if (!isIPv4(address) || !isPort(port)) {
        return Reply::error("Usage: Serv ip:port [device]");
    }
    if (blank == std::string::npos) {
        state.hostAddress = address;
        state.hostPort = port;
        return Reply::ok();
    }
    // Kept as typed: the manager deletes the entry by the text it sent here.
    const std::string device = text.substr(blank + 1);
    if (!isDevice(device)) {
        return Reply::error("Invalid device");
    }
    auto& entries = state.servers;
    const bool taken = std::any_of(entries.begin(), entries.end(),
                                   [&](const ServerEntry& each) { return each.device == device; });
    if (taken) {
        return Reply::error("Device already in the server table");
    }
    if (entries.size() >= kMaxServers) {
        return Reply::error("Server table full");
    }
    entries.push_back({device, address, port});
    return Reply::ok();
}

Reply deleteServer(CommandContext& context, const CommandLine& command) {
    return eraseFirst(
        context.state.servers,
        [&](const ServerEntry& each) { return each.device == command.argumentText; },
        "No such server");
}

Reply persist(CommandContext& context, const CommandLine& command) {
    bool& persist = context.state.persist;
    if (command.hasArguments) {
        if (command.argumentText != "on" && command.argumentText != "off") {
            return Reply::error("Use on or off");
        }
        persist = command.argumentText == "on";
    }
    return Reply::line(std::string("+OK PERSIST ") + (persist ? "on" : "off"));
}

Reply repeatInterval(CommandContext& context, const CommandLine& command) {
    std::string& interval = context.state.repeatIntervalMs;
    if (command.hasArguments) {
        if (!isNumberInRange(command.argumentText, 100, 86400000)) {
            return Reply::error("Interval must be 100 to 86400000 ms");
        }
        interval = command.argumentText; // echoed exactly as written
    }
    return Reply::line("+OK REPEAT every " + interval + " ms");
}

} // namespace

void addClientCommands(CommandTable& table) {
    table.add("Serv", "SERV", server);
    table.add("DelServ", "DELSERV", deleteServer);
    table.add("Psist", "PSIST", persist);
    table.add("Rept", "REPT", repeatInterval);
}

} // namespace sim
