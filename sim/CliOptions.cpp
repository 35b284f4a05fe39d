#include "sim/CliOptions.h"

#include "sim/Socket.h"
#include "sim/Validate.h"

#include <algorithm>
#include <optional>
#include <sstream>

namespace sim {

namespace {

// What the command line asks for, before it is spread over the appliances.
struct Request {
    int devices = 1;
    std::vector<std::string> bindAddresses;
    int controlPort = 9097;
    std::optional<std::string> user, password, firmware, model;
    std::optional<std::vector<std::string>> commands;
    bool legacy = false;
    int connections = 2;
    int radios = 1;
    Timing timing;
    Faults faults;
};

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> items;
    std::istringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');) {
        if (!item.empty()) {
            items.push_back(item);
        }
    }
    return items;
}

std::optional<int> parseNumber(const std::string& text, long low, long high) {
    if (!isNumberInRange(text, low, high)) {
        return std::nullopt;
    }
    return static_cast<int>(std::stol(text));
}

std::optional<std::array<int, 8>> parseOrder(const std::string& text) {
    const auto items = splitList(text);
    std::array<int, 8> order{};
    if (items.size() != order.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        const auto type = parseNumber(items[i], 1, 8);
        if (!type || std::count(order.begin(), order.begin() + static_cast<long>(i), *type) > 0) {
            return std::nullopt;
        }
        order[i] = *type;
    }
    return order;
}

// Addresses for `count` appliances: the listed ones, then counting up from the last.
std::optional<std::vector<std::string>> controlAddresses(const std::vector<std::string>& listed,
                                                         int count) {
    std::vector<std::string> addresses;
    std::uint32_t next = *parseIPv4("127.0.0.2");
    for (int i = 0; i < count; ++i) {
        if (i < static_cast<int>(listed.size())) {
            const auto address = parseIPv4(listed[i]);
            if (!address) {
                return std::nullopt;
            }
            next = *address;
        }
        addresses.push_back(formatIPv4(next++));
    }
    return addresses;
}

SimulatorOptions build(const Request& request, SimulatorOptions base, std::string& error) {
    const auto addresses = controlAddresses(request.bindAddresses, request.devices);
    if (!addresses) {
        error = "--bind takes IPv4 addresses";
        return base;
    }
    base.appliances.clear();
    for (int i = 0; i < request.devices; ++i) {
        ApplianceOptions appliance;
        appliance.controlAddress = (*addresses)[static_cast<std::size_t>(i)];
        appliance.controlPort = static_cast<std::uint16_t>(request.controlPort);
        ApplianceState& state = appliance.state = ApplianceState::defaults(i + 1);
        if (request.legacy) {
            state.firmware = "1.6.2";
            std::erase_if(state.commandWords, [](const std::string& word) {
                return word == "PRSV" || word == "KATO" || word == "REPEATER" || word == "PINQ" ||
                       word == "NGBRH";
            });
        }
        state.user = request.user.value_or(state.user);
        state.password = request.password.value_or(state.password);
        state.firmware = request.firmware.value_or(state.firmware);
        state.modelCode = request.model.value_or(state.modelCode);
        if (request.commands) {
            state.commandWords = *request.commands;
        }
        state.localDevices = request.radios;
        state.resetConnections(request.connections);
        appliance.timing = request.timing;
        appliance.faults = request.faults;
        base.appliances.push_back(std::move(appliance));
    }
    return base;
}

} // namespace

CliResult parseCommandLine(const std::vector<std::string>& arguments) {
    CliResult result;
    SimulatorOptions& options = result.options;
    options.transcriptKeptBytes = 0; // nothing in the program reads it; --transcript has all
    Request request;
    std::string& error = result.error;
    for (std::size_t i = 0; i < arguments.size() && error.empty(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            result.showHelp = true;
            continue;
        }
        if (option == "--no-discovery") {
            options.discoveryEnabled = false;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error =
                option.rfind("--", 0) == 0 ? option + " needs a value" : "unknown option " + option;
            break;
        }
        const std::string& value = arguments[++i];
        const auto number = [&](long low, long high) {
            const auto parsed = parseNumber(value, low, high);
            if (!parsed) {
                error = option + " takes a number from " + std::to_string(low) + " to " +
                        std::to_string(high);
            }
            return parsed.value_or(0);
        };
        const auto words = [&](std::set<std::string>& into) {
            for (const auto& word : splitList(value)) {
                into.insert(word);
            }
        };
        if (option == "--devices") {
            request.devices = number(1, 1000);
        } else if (option == "--bind") {
            request.bindAddresses = splitList(value);
        } else if (option == "--control-port") {
            request.controlPort = number(0, 65535);
        } else if (option == "--discovery-port") {
            options.discoveryPort = static_cast<std::uint16_t>(number(0, 65535));
        } else if (option == "--discovery-bind") {
            options.discoveryAddress = value;
            if (!parseIPv4(value)) {
                error = "--discovery-bind takes an IPv4 address";
            }
        } else if (option == "--discovery-junk") {
            // With the longest model code and Bluetooth name the reply stays within the
            // 500 bytes the manager reads of a datagram.
            options.discoveryLayout.junkPrefix.assign(static_cast<std::size_t>(number(0, 300)),
                                                      0x55);
        } else if (option == "--discovery-spread") {
            options.discoverySpreadMs = number(0, 60000);
        } else if (option == "--discovery-order") {
            const auto order = parseOrder(value);
            options.discoveryLayout.recordOrder =
                order.value_or(options.discoveryLayout.recordOrder);
            if (!order) {
                error =
                    "--discovery-order takes the record types 1 to 8, each once, comma-separated";
            }
        } else if (option == "--user") {
            request.user = value;
        } else if (option == "--password") {
            request.password = value;
        } else if (option == "--firmware") {
            request.firmware = value;
        } else if (option == "--model") {
            request.model = value;
            if (!isSafeName(value, 16)) {
                error = "--model takes 1 to 16 printable characters";
            }
        } else if (option == "--profile") {
            request.legacy = value == "legacy";
            if (value != "legacy" && value != "current") {
                error = "--profile is current or legacy";
            }
        } else if (option == "--commands") {
            std::vector<std::string> list{"USER", "PASS", "HELP"};
            for (const auto& word : splitList(value)) {
                if (std::find(list.begin(), list.end(), toUpper(word)) == list.end()) {
                    list.push_back(toUpper(word));
                }
            }
            request.commands = list;
        } else if (option == "--connections") {
            request.connections = number(0, 64);
        } else if (option == "--radios") {
            request.radios = number(1, 4);
        } else if (option == "--reboot-downtime") {
            request.timing.rebootDowntimeMs = number(0, 3600) * 1000;
        } else if (option == "--repeater-delay") {
            request.timing.repeaterModeDelayMs = number(0, 600000);
        } else if (option == "--reply-delay") {
            request.faults.replyDelayMs = number(0, 600000);
        } else if (option == "--split-pieces") {
            request.faults.splitPieces = number(1, 100);
        } else if (option == "--split-gap") {
            request.faults.splitGapMs = number(0, 600000);
        } else if (option == "--silent") {
            words(request.faults.silentWords);
        } else if (option == "--fail") {
            words(request.faults.failWords);
        } else if (option == "--long-reply") {
            words(request.faults.longReplyWords);
        } else if (option == "--close-after") {
            request.faults.closeAfterCommands = number(0, 1000000);
        } else if (option == "--unsolicited") {
            request.faults.unsolicitedEveryMs = number(0, 3600000);
        } else if (option == "--unsolicited-text") {
            request.faults.unsolicitedText = value;
        } else if (option == "--transcript") {
            options.transcriptPath = value;
        } else {
            error = "unknown option " + option;
        }
    }
    if (error.empty()) {
        options = build(request, options, error);
    }
    return result;
}

std::string usageText() {
    return R"(Usage: velmora42-sim [options]
Simulates Velmora42 appliances: UDP discovery and the TCP control protocol.

Appliances and addresses
  --devices N              number of appliances (1-1000, default 1)
  --bind ADDR[,ADDR...]    control listener addresses; further appliances count up from
                           the last one (default 127.0.0.2, 127.0.0.3, ...)
  --control-port P         control port of every appliance (default 9097, 0 = any)
  --discovery-port P       discovery port (default 9097, 0 = any)
  --discovery-bind ADDR    discovery address (default 0.0.0.0, to receive broadcasts)
  --no-discovery           do not answer discovery
Identity and login
  --user NAME              login user name (default admin)
  --password TEXT          login password (default velmora)
  --firmware VERSION       "Ver" reply (default 1.7.3)
  --model CODE             model code, up to 16 characters; 101 has no RS232 mode
                           (default 100)
  --profile NAME           current (default) or legacy: firmware 1.6.2 without
                           PRSV, KATO, REPEATER, PINQ and NGBRH
  --commands W1,W2,...     command words announced by "help" and accepted
                           (USER, PASS and HELP are always kept)
State and timing
  --connections N          live Bluetooth connections at start (default 2)
  --radios N               local Bluetooth devices (1-4, default 1)
  --reboot-downtime S      seconds away after "Reboot" (default 8)
  --repeater-delay MS      delay of the "mode repeater" reply (default 3000)
Discovery layout
  --discovery-junk N       N junk bytes before the marker (0-300, default 0)
  --discovery-order LIST   record types in sending order, e.g. 8,7,6,5,4,3,2,1
  --discovery-spread MS    each appliance answers a request after its own delay,
                           from 0 to MS milliseconds (default 0: all at once)
Faults (command words match without regard to case; lists are comma-separated)
  --reply-delay MS         every reply starts this late
  --split-pieces N         every reply goes out in N pieces ...
  --split-gap MS           ... this many milliseconds apart
  --silent WORDS           these commands get no reply (and are not executed)
  --fail WORDS             these commands get "-ERR Injected failure"
  --long-reply WORDS       these replies are preceded by filler past 1000 bytes
  --close-after N          close a connection after its N-th command line
  --unsolicited MS         after login, send an unasked line every MS milliseconds
  --unsolicited-text TEXT  that line (default "EVENT heartbeat")
  --transcript FILE        append every received line to FILE as "[n] line"
  --help                   this text
)";
}

} // namespace sim
