// "help", "Ver", "Mode"/"mode" and "Reboot": what the appliance is and which mode it runs.
#include "sim/CommandTable.h"

#include <array>

namespace sim {

namespace {

struct ModeNames {
    OperationMode mode;
    const char* word;      // argument of "mode"
    const char* replyLine; // answer to "Mode"
};

constexpr std::array<ModeNames, 6> kModes{{
    {OperationMode::Server, "server", "+OK Server Mode"},
    {OperationMode::Client, "client", "+OK Client Mode"},
    {OperationMode::Vertex, "vertex", "+OK Vertex Mode"},
    {OperationMode::Repeater, "repeater", "+OK Repeater Mode"},
    {OperationMode::SerialHub, "hub", "+OK Serial Hub Mode"},
    {OperationMode::RS232, "rs232", "+OK RS232 Mode"},
}};

Reply help(CommandContext& context, const CommandLine&) {
    std::string line = "+OK";
    for (const auto& word : context.state.commandWords) {
        line += " " + word;
    }
    return Reply::line(line);
}

Reply version(CommandContext& context, const CommandLine&) {
    return Reply::line("+OK Ver " + context.state.firmware);
}

Reply mode(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        for (const auto& names : kModes) {
            if (names.mode == state.mode) {
                return Reply::line(names.replyLine);
            }
        }
        return Reply::error("Mode unknown");
    }
    for (const auto& names : kModes) {
        if (command.argumentText != names.word) {
            continue;
        }
        if (names.mode == OperationMode::RS232 && state.modelCode == "101") {
            return Reply::error("RS232 mode is not available on this model");
        }
        if (names.mode != state.mode && !state.connections.empty()) {
            return Reply::error("Bluetooth connections are active");
        }
        state.mode = names.mode;
        Reply reply = Reply::ok();
        if (names.mode == OperationMode::Repeater) {
            reply.extraDelayMs = context.timing.repeaterModeDelayMs; // the radio is re-set up
        }
        return reply;
    }
    return Reply::error("Unknown mode");
}

Reply reboot(CommandContext&, const CommandLine&) {
    Reply reply = Reply::ok();
    reply.reboot = true;
    return reply;
}

} // namespace

void addModeCommands(CommandTable& table) {
    table.add("help", "HELP", help);
    table.add("Ver", "VER", version);
    table.add("Mode", "MODE", mode);
    table.add("mode", "MODE", mode);
    table.add("Reboot", "REBOOT", reboot);
}

} // namespace sim
