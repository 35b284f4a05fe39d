// Live links and the radio neighbourhood: "List", "disc", "pinq", "ngbrh" and "repeater".
#include "sim/CommandTable.h"
#include "sim/Validate.h"

#include <array>

namespace sim {

namespace {

// Link quality and signal strength a connection goes through, one step per listing. The
// manager colours quality 215 and up green, 201..214 yellow, 200 and below red, and any
// signal below -1 red, so the cycle visits every colour and both red causes.
struct LinkSample {
    int quality;
    int signal;
};
constexpr std::array<LinkSample, 8> kLinkCycle{{
    {235, 0},
    {215, -1},
    {214, 0},
    {201, -1},
    {200, 0},
    {188, -3},
    {228, -2},
    {242, 1},
}};

Reply listConnections(CommandContext& context, const CommandLine&) {
    context.state.churnConnections();
    std::string text;
    for (auto& connection : context.state.connections) {
        const LinkSample& sample = kLinkCycle[connection.qualityStep % kLinkCycle.size()];
        text += std::to_string(connection.index) + "|" + std::to_string(connection.localDevice) +
                "|" + connection.port + "|" + connection.address + "|" + connection.name + "|" +
                std::to_string(connection.tx) + "|" + std::to_string(connection.rx) + "|" +
                std::to_string(sample.quality) + "|" + std::to_string(sample.signal) + "\r\n";
        // Traffic and link quality move on between two listings.
        connection.qualityStep = (connection.qualityStep + 1) % static_cast<int>(kLinkCycle.size());
        connection.tx += 120 + 8 * connection.index;
        connection.rx += 96 + 5 * connection.index;
    }
    return {text + "+OK\r\n"};
}

Reply disconnect(CommandContext& context, const CommandLine& command) {
    return eraseFirst(
        context.state.connections,
        [&](const BluetoothConnection& each) {
            return std::to_string(each.index) == command.argumentText;
        },
        "No such connection");
}

Reply periodicInquiry(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        return Reply::line(std::string("+OK ") + (state.inquiryRunning ? "On" : "Off") + " " +
                           state.inquiryInterval + " " + state.inquiryLength + " " +
                           state.inquiryAccessCode);
    }
    const auto& args = command.arguments;
    if (command.argumentText == "off") {
        state.inquiryRunning = false;
        return Reply::ok();
    }
    // "on" interval length code: an inquiry must end before the next one starts.
    const bool wellFormed = args.size() == 4 && args[0] == "on" &&
                            isNumberInRange(args[1], 2, 3600) && isNumberInRange(args[2], 1, 3600);
    if (!wellFormed || std::stol(args[2]) >= std::stol(args[1])) {
        return Reply::error("Usage: pinq on interval length code (length below interval)");
    }
    if (args[3] != "0x9E8B33" && args[3] != "0x9E8B00") {
        return Reply::error("Unknown inquiry access code");
    }
    state.inquiryRunning = true;
    state.inquiryInterval = args[1];
    state.inquiryLength = args[2];
    state.inquiryAccessCode = args[3];
    return Reply::ok();
}

// Fixed columns: address (17), blank, class of device (8), blank, name. Nothing is found
// while the periodic inquiry is off.
Reply neighbours(CommandContext& context, const CommandLine&) {
    std::string text;
    if (context.state.inquiryRunning) {
        for (const auto& neighbour : context.state.neighbours) {
            text +=
                neighbour.address + " " + neighbour.classOfDevice + " " + neighbour.name + "\r\n";
        }
    }
    return {text + "+OK\r\n"};
}

// Links first, in the order that makes every parent known before its children, then the
// devices: "R parent|child|hops|label", "D parent|device|label".
Reply repeaterTree(CommandContext& context, const CommandLine&) {
    std::string text;
    for (const auto& link : context.state.repeaterLinks) {
        text += "R " + link.parent + "|" + link.child + "|" + std::to_string(link.hops) + "|" +
                link.label + "\r\n";
    }
    for (const auto& device : context.state.repeaterDevices) {
        text += "D " + device.parent + "|" + device.device + "|" + device.label + "\r\n";
    }
    return {text + "+OK\r\n"};
}

} // namespace

void addNetworkCommands(CommandTable& table) {
    table.add("List", "LIST", listConnections);
    table.add("disc", "DISC", disconnect);
    table.add("pinq", "PINQ", periodicInquiry);
    table.add("ngbrh", "NGBRH", neighbours);
    table.add("repeater", "REPEATER", repeaterTree);
}

} // namespace sim
