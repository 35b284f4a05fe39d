// The Bluetooth radio: "BTName", "Maxdt", "Linkto", "Scan", "Secu", "Pair", "Pin", "Stat".
#include "sim/CommandTable.h"
#include "sim/Validate.h"

#include <cstdio>

namespace sim {

namespace {

Reply name(CommandContext& context, const CommandLine& command) {
    if (!command.hasArguments) {
        return Reply::line("+OK " + context.state.btName);
    }
    if (!isSafeName(command.argumentText)) {
        return Reply::error("Name must be 1 to 32 printable characters");
    }
    context.state.btName = command.argumentText;
    return Reply::ok();
}

Reply maxDt(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        return Reply::line("+OK MAX " + state.maxDt);
    }
    // Each local radio carries at most seven links.
    if (!isNumberInRange(command.argumentText, 0, 7L * state.localDevices, 3)) {
        return Reply::error("MaxDT out of range");
    }
    state.maxDt = command.argumentText;
    return Reply::ok();
}

Reply linkTimeout(CommandContext& context, const CommandLine& command) {
    if (!command.hasArguments) {
        return Reply::line("+OK LinkTimeout: " + context.state.linkTimeoutSeconds + " sec");
    }
    if (!isNumberInRange(command.argumentText, 1, 3600)) {
        return Reply::error("Link timeout must be 1 to 3600 seconds");
    }
    context.state.linkTimeoutSeconds = command.argumentText;
    return Reply::ok();
}

Reply scan(CommandContext& context, const CommandLine& command) {
    ApplianceState& state = context.state;
    if (!command.hasArguments) {
        if (state.inquiryScan && state.pageScan) {
            return Reply::line("+OK inquiry page");
        }
        if (state.inquiryScan) {
            return Reply::line("+OK inquiry ");
        }
        return Reply::line(state.pageScan ? "+OK  page" : "+OK noscan");
    }
    const std::string how = toUpper(command.argumentText);
    if (how != "INQUIRY PAGE" && how != "INQUIRY" && how != "PAGE" && how != "NOSCAN") {
        return Reply::error("Use Inquiry page, Inquiry, Page or noscan");
    }
    state.inquiryScan = how.rfind("INQUIRY", 0) == 0;
    state.pageScan = how.find("PAGE") != std::string::npos;
    return Reply::ok();
}

Reply security(CommandContext& context, const CommandLine& command) {
    if (!command.hasArguments) {
        return Reply::line("+OK " + context.state.security);
    }
    if (command.argumentText != "low" && command.argumentText != "high") {
        return Reply::error("Use low or high");
    }
    context.state.security = command.argumentText;
    return Reply::ok();
}

Reply pairable(CommandContext& context, const CommandLine& command) {
    bool& pairable = context.state.pairable;
    if (!command.hasArguments) {
        return Reply::line(pairable ? "+OK on" : "+OK off");
    }
    if (command.argumentText != "on" && command.argumentText != "off") {
        return Reply::error("Use on or off");
    }
    pairable = command.argumentText == "on";
    return Reply::ok();
}

Reply pin(CommandContext& context, const CommandLine& command) {
    const std::string& code = command.argumentText;
    if (!command.hasArguments || code.find(' ') != std::string::npos || !isSafeName(code, 16)) {
        return Reply::error("PIN must be 1 to 16 characters without blanks");
    }
    context.state.pin = code;
    return Reply::ok();
}

// Local radio `index`: the appliance's own address for the first, the following ones count
// up in the last byte.
std::string radioAddress(const std::string& first, int index) {
    if (!isBdAddress(first)) {
        return first;
    }
    unsigned last = 0;
    std::sscanf(first.c_str() + 15, "%2x", &last);
    char text[3];
    std::snprintf(text, sizeof text, "%02X", (last + static_cast<unsigned>(index)) & 0xFF);
    return first.substr(0, 15) + text;
}

// index|address|Tx|Rx|Tx errors|Rx errors, one line per local radio.
Reply localDevices(CommandContext& context, const CommandLine&) {
    const ApplianceState& state = context.state;
    std::string text;
    for (int radio = 0; radio < state.localDevices; ++radio) {
        long long tx = 0;
        long long rx = 0;
        for (const auto& connection : state.connections) {
            if (connection.localDevice == radio) {
                tx += connection.tx;
                rx += connection.rx;
            }
        }
        text += std::to_string(radio) + "|" + radioAddress(state.bdAddress, radio) + "|" +
                std::to_string(tx) + "|" + std::to_string(rx) + "|0|0\r\n";
    }
    return {text + "+OK\r\n"};
}

} // namespace

void addBluetoothCommands(CommandTable& table) {
    table.add("BTName", "BTNAME", name);
    table.add("Maxdt", "MAXDT", maxDt);
    table.add("Linkto", "LINKTO", linkTimeout);
    table.add("Scan", "SCAN", scan);
    table.add("Secu", "SECU", security);
    table.add("Pair", "PAIR", pairable);
    table.add("Pin", "PIN", pin);
    table.add("Stat", "STAT", localDevices);
}

} // namespace sim
