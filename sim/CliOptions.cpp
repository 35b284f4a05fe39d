#include "sim/CliOptions.h"

#include "sim/Socket.h"
#include "sim/Validate.h"

#include <algorithm>
#include <getopt.h>
#include <optional>
#include <sstream>

namespace sim {

namespace {

// What the command line asks for, before it is spread over the appliances.
struct Request {
    int devices = 1;
    int firstNumber = 1;
    std::vector<std::string> bindAddresses;
    int controlPort = 9097;
    std::optional<std::string> user, password, firmware, model;
    std::optional<std::vector<std::string>> commands;
    bool legacy = false;
    int connections = 2;
    int connectionChurn = 0;
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
        ApplianceState& state = appliance.state = ApplianceState::defaults(request.firstNumber + i);
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
        state.connectionChurnLists = request.connectionChurn;
        appliance.timing = request.timing;
        appliance.faults = request.faults;
        base.appliances.push_back(std::move(appliance));
    }
    return base;
}

// What getopt_long returns for each long option; above every character, except --help,
// which shares its code with -h.
enum Code : int {
    kHelp = 'h',
    kNoDiscovery = 256,
    kDevices,
    kFirstNumber,
    kBind,
    kControlPort,
    kDiscoveryPort,
    kDiscoveryBind,
    kDiscoveryJunk,
    kDiscoverySpread,
    kDiscoveryOrder,
    kUser,
    kPassword,
    kFirmware,
    kModel,
    kProfile,
    kCommands,
    kConnections,
    kConnectionChurn,
    kRadios,
    kRebootDowntime,
    kRepeaterDelay,
    kReplyDelay,
    kSplitPieces,
    kSplitGap,
    kSilent,
    kFail,
    kLongReply,
    kCloseAfter,
    kUnsolicited,
    kUnsolicitedText,
    kTranscript,
};

constexpr option kLongOptions[] = {
    {"help", no_argument, nullptr, kHelp},
    {"no-discovery", no_argument, nullptr, kNoDiscovery},
    {"devices", required_argument, nullptr, kDevices},
    {"first-number", required_argument, nullptr, kFirstNumber},
    {"bind", required_argument, nullptr, kBind},
    {"control-port", required_argument, nullptr, kControlPort},
    {"discovery-port", required_argument, nullptr, kDiscoveryPort},
    {"discovery-bind", required_argument, nullptr, kDiscoveryBind},
    {"discovery-junk", required_argument, nullptr, kDiscoveryJunk},
    {"discovery-spread", required_argument, nullptr, kDiscoverySpread},
    {"discovery-order", required_argument, nullptr, kDiscoveryOrder},
    {"user", required_argument, nullptr, kUser},
    {"password", required_argument, nullptr, kPassword},
    {"firmware", required_argument, nullptr, kFirmware},
    {"model", required_argument, nullptr, kModel},
    {"profile", required_argument, nullptr, kProfile},
    {"commands", required_argument, nullptr, kCommands},
    {"connections", required_argument, nullptr, kConnections},
    {"connection-churn", required_argument, nullptr, kConnectionChurn},
    {"radios", required_argument, nullptr, kRadios},
    {"reboot-downtime", required_argument, nullptr, kRebootDowntime},
    {"repeater-delay", required_argument, nullptr, kRepeaterDelay},
    {"reply-delay", required_argument, nullptr, kReplyDelay},
    {"split-pieces", required_argument, nullptr, kSplitPieces},
    {"split-gap", required_argument, nullptr, kSplitGap},
    {"silent", required_argument, nullptr, kSilent},
    {"fail", required_argument, nullptr, kFail},
    {"long-reply", required_argument, nullptr, kLongReply},
    {"close-after", required_argument, nullptr, kCloseAfter},
    {"unsolicited", required_argument, nullptr, kUnsolicited},
    {"unsolicited-text", required_argument, nullptr, kUnsolicitedText},
    {"transcript", required_argument, nullptr, kTranscript},
    {nullptr, 0, nullptr, 0},
};

const option* findOption(int code) {
    for (const option& entry : kLongOptions) {
        if (entry.name != nullptr && entry.val == code) {
            return &entry;
        }
    }
    return nullptr;
}

// The option's name as the messages show it, "--devices" also when "--dev" was typed.
std::string optionName(int code) {
    const option* entry = findOption(code);
    return entry != nullptr ? std::string("--") + entry->name
                            : std::string("-") + static_cast<char>(code);
}

bool isLongFlag(int code) {
    const option* entry = findOption(code);
    return entry != nullptr && entry->has_arg == no_argument;
}

// Why getopt_long answered '?' for `word`: a value after a flag, an unknown or ambiguous long
// option (optopt 0), or an unknown letter in a cluster such as "-hx".
std::string refusal(const std::string& word) {
    if (isLongFlag(optopt)) {
        return optionName(optopt) + " takes no value";
    }
    if (optopt != 0) {
        return std::string("unknown option -") + static_cast<char>(optopt);
    }
    return "unknown option " + word;
}

// One option with its value into the request (or, for the discovery side, the options).
void apply(int code, const std::string& value, Request& request, SimulatorOptions& options,
           std::string& error) {
    const auto number = [&](long low, long high) {
        const auto parsed = parseNumber(value, low, high);
        if (!parsed) {
            error = optionName(code) + " takes a number from " + std::to_string(low) + " to " +
                    std::to_string(high);
        }
        return parsed.value_or(0);
    };
    const auto words = [&](std::set<std::string>& into) {
        for (const auto& word : splitList(value)) {
            into.insert(word);
        }
    };
    switch (code) {
    case kNoDiscovery:
        options.discoveryEnabled = false;
        break;
    case kDevices:
        request.devices = number(1, 1000);
        break;
    case kFirstNumber:
        request.firstNumber = number(1, 60000);
        break;
    case kBind:
        request.bindAddresses = splitList(value);
        break;
    case kControlPort:
        request.controlPort = number(0, 65535);
        break;
    case kDiscoveryPort:
        options.discoveryPort = static_cast<std::uint16_t>(number(0, 65535));
        break;
    case kDiscoveryBind:
        options.discoveryAddress = value;
        if (!parseIPv4(value)) {
            error = "--discovery-bind takes an IPv4 address";
        }
        break;
    case kDiscoveryJunk:
        // With the longest model code and Bluetooth name the reply stays within the
        // 500 bytes the manager reads of a datagram.
        options.discoveryLayout.junkPrefix.assign(static_cast<std::size_t>(number(0, 300)), 0x55);
        break;
    case kDiscoverySpread:
        options.discoverySpreadMs = number(0, 60000);
        break;
    case kDiscoveryOrder: {
        const auto order = parseOrder(value);
        options.discoveryLayout.recordOrder = order.value_or(options.discoveryLayout.recordOrder);
        if (!order) {
            error = "--discovery-order takes the record types 1 to 8, each once, comma-separated";
        }
        break;
    }
    case kUser:
        request.user = value;
        break;
    case kPassword:
        request.password = value;
        break;
    case kFirmware:
        request.firmware = value;
        break;
    case kModel:
        request.model = value;
        if (!isSafeName(value, 16)) {
            error = "--model takes 1 to 16 printable characters";
        }
        break;
    case kProfile:
        request.legacy = value == "legacy";
        if (value != "legacy" && value != "current") {
            error = "--profile is current or legacy";
        }
        break;
    case kCommands: {
        std::vector<std::string> list{"USER", "PASS", "HELP"};
        for (const auto& word : splitList(value)) {
            if (std::find(list.begin(), list.end(), toUpper(word)) == list.end()) {
                list.push_back(toUpper(word));
            }
        }
        request.commands = list;
        break;
    }
    case kConnections:
        request.connections = number(0, 64);
        break;
    case kConnectionChurn:
        request.connectionChurn = number(0, 1000);
        break;
    case kRadios:
        request.radios = number(1, 4);
        break;
    case kRebootDowntime:
        request.timing.rebootDowntimeMs = number(0, 3600) * 1000;
        break;
    case kRepeaterDelay:
        request.timing.repeaterModeDelayMs = number(0, 600000);
        break;
    case kReplyDelay:
        request.faults.replyDelayMs = number(0, 600000);
        break;
    case kSplitPieces:
        request.faults.splitPieces = number(1, 100);
        break;
    case kSplitGap:
        request.faults.splitGapMs = number(0, 600000);
        break;
    case kSilent:
        words(request.faults.silentWords);
        break;
    case kFail:
        words(request.faults.failWords);
        break;
    case kLongReply:
        words(request.faults.longReplyWords);
        break;
    case kCloseAfter:
        request.faults.closeAfterCommands = number(0, 1000000);
        break;
    case kUnsolicited:
        request.faults.unsolicitedEveryMs = number(0, 3600000);
        break;
    case kUnsolicitedText:
        request.faults.unsolicitedText = value;
        break;
    case kTranscript:
        options.transcriptPath = value;
        break;
    }
}

} // namespace

CliResult parseCommandLine(const std::vector<std::string>& arguments) {
    CliResult result;
    SimulatorOptions& options = result.options;
    options.transcriptKeptBytes = 0; // nothing in the program reads it; --transcript has all
    Request request;
    std::string& error = result.error;

    // getopt_long wants writable words with the program name in front.
    std::vector<std::string> words{"velmora42-sim"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    // 0 rather than 1 also drops what an earlier parse left half-read of a "-xh" cluster.
    optind = 0;
    opterr = 0;
    // "-": stray words come back in their place, so the first mistake on the line is the one
    // reported; ":": a missing value comes back as ':' rather than '?'.
    while (error.empty()) {
        const int code = getopt_long(argc, argv.data(), "-:h", kLongOptions, nullptr);
        if (code == -1) {
            break;
        }
        if (code == 'h') {
            result.showHelp = true;
        } else if (code == 1) {
            error = std::string("unknown option ") + optarg;
        } else if (code == ':') {
            error = optionName(optopt) + " needs a value";
        } else if (code == '?') {
            error = refusal(words[static_cast<std::size_t>(optind - 1)]);
        } else {
            apply(code, optarg != nullptr ? optarg : "", request, options, error);
        }
    }
    // Words after "--" are no options either.
    if (error.empty() && optind < argc) {
        error = "unknown option " + words[static_cast<std::size_t>(optind)];
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
  --first-number N         number of the first appliance, which its name, serial number,
                           MAC and Bluetooth addresses carry (1-60000, default 1)
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
  --connection-churn N     every N-th "List" a connection comes or goes, by turns
                           (default 0: never)
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
