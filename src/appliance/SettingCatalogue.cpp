#include "appliance/SettingCatalogue.h"

#include <algorithm>

#include "appliance/FieldLimits.h"
#include "appliance/NeighbourListing.h"
#include "ui/Text.h"

namespace {

const std::array<CSettingInfo, kSettingCount> kCatalogue{{
    {SettingId::DataPort, "Default Data Port", "Port", 1, false},
    {SettingId::NoDisconnect, "Do not disconnect TCP socket", "prsv", 1, false},
    {SettingId::KeepAlive, "KeepAlive Timeout", "kato", 1, false},
    {SettingId::Registrations, "Registered Bluetooth Devices", "Bind", 0, true},
    {SettingId::Host, "HOST Information", "Serv", 0, false},
    {SettingId::Servers, "Server Table", "Serv", 0, true},
    {SettingId::RepeatInterval, "Connection interval time", "Rept", 0, false},
    {SettingId::Persist, "re-connect automatically", "Psist", 0, false},
    {SettingId::Vertex, "Vertex Port and Max Connections", "Vertex", 0, false},
    {SettingId::Station, "Repeater Station", "station", 1, false},
    {SettingId::SerialPort, "RS232 Serial Port", "rs232", 1, false},
    {SettingId::BtName, "Velmora42 Name", "BTName", 0, false},
    {SettingId::MaxDt, "Maxdt", "Maxdt", 0, false},
    {SettingId::LinkTimeout, "LinkTimeout", "Linkto", 0, false},
    {SettingId::Security, "Security", "Secu", 0, false},
    {SettingId::Pairable, "Pairable", "Pair", 0, false},
    {SettingId::Scan, "Discoverable and Connectable", "Scan", 0, false},
    {SettingId::PeriodicInquiry, "Periodic Inquiry", "pinq", 3, false},
    {SettingId::Mode, "Operation Mode", "mode", 3, false},
}};

bool IsDigits(std::string_view text, int most) {
    return !text.empty() && text.size() <= static_cast<size_t>(most) &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Six pairs of hexadecimal digits joined by ":", as the masked address field gives them.
bool IsBdAddress(std::string_view text) {
    if (text.size() != 17)
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (i % 3 == 2 ? text[i] != ':' : !IsHex(text[i]))
            return false;
    return true;
}

bool IsPrintable(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

// A device name as the Add dialogs take it: printable, not only blanks, no "|" (the listings
// split on it). Blanks at either end belong to the name: the appliance keeps the text after
// the command's blank as it was sent.
bool IsDeviceName(std::string_view text) {
    return text.find_first_not_of(' ') != std::string_view::npos && IsPrintable(text) &&
           text.find('|') == std::string_view::npos;
}

bool IsDevice(std::string_view text) {
    return IsBdAddress(text) || IsDeviceName(text);
}

// "a.b.c.d", each a decimal of 0 to 255, as the IP address control writes it.
bool IsDottedAddress(std::string_view text) {
    int parts = 0;
    size_t start = 0;
    while (true) {
        const size_t dot = text.find('.', start);
        const std::string_view part = text.substr(
            start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (!IsDigits(part, 3) || LeadingInt(part) > 255)
            return false;
        ++parts;
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return parts == 4;
}

// "a.b.c.d:port" with a port of at most `portDigits` digits.
bool IsEndpoint(std::string_view text, int portDigits) {
    const size_t colon = text.find(':');
    return colon != std::string_view::npos && IsDottedAddress(text.substr(0, colon)) &&
           IsDigits(text.substr(colon + 1), portDigits);
}

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), text) != words.end();
}

std::vector<std::string_view> SplitBlanks(std::string_view text) {
    std::vector<std::string_view> words;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t blank = text.find(' ', start);
        words.push_back(
            text.substr(start, blank == std::string_view::npos ? blank : blank - start));
        if (blank == std::string_view::npos)
            break;
        start = blank + 1;
    }
    return words;
}

// The Serial Port Setup dialog's choices: "rs232 <baud> <data><parity><stop> <flow>".
bool IsSerialSetting(std::string_view arguments) {
    const auto words = SplitBlanks(arguments);
    if (words.size() != 3 || words[1].size() != 3)
        return false;
    const std::string_view group = words[1];
    return IsOneOf(words[0], {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200",
                              "230400"}) &&
           group[0] >= '5' && group[0] <= '8' &&
           (group[1] == 'N' || group[1] == 'O' || group[1] == 'E') &&
           (group[2] == '1' || group[2] == '2') &&
           IsOneOf(words[2], {"none", "hardware", "xonoff"});
}

// "pinq off", or "pinq on <interval> <length> <access code>" as the Neighborhoods page sends.
bool IsInquirySetting(std::string_view arguments) {
    if (arguments == "off")
        return true;
    const auto words = SplitBlanks(arguments);
    return words.size() == 4 && words[0] == "on" && IsDigits(words[1], 4) &&
           IsDigits(words[2], 4) && IsOneOf(words[3], {kGeneralAccessCode, kLimitedAccessCode});
}

// "Bind <device> <port>": the port is the last word, the device everything before it.
bool IsRegistration(std::string_view arguments) {
    const size_t blank = arguments.rfind(' ');
    return blank != std::string_view::npos && IsDevice(arguments.substr(0, blank)) &&
           IsDigits(arguments.substr(blank + 1), kDataPortDigits);
}

// "Serv <ip>:<port> <device>"
bool IsServerEntry(std::string_view arguments) {
    const size_t blank = arguments.find(' ');
    return blank != std::string_view::npos &&
           IsEndpoint(arguments.substr(0, blank), kServerPortDigits) &&
           IsDevice(arguments.substr(blank + 1));
}

// A number as the appliance means it: "0080" is port 80.
std::string WithoutLeadingZeros(std::string_view digits) {
    const size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? (digits.empty() ? "" : "0")
                                           : std::string(digits.substr(first));
}

// A Bluetooth address in capitals; a name as it stands.
std::string CanonicalDevice(std::string_view device) {
    return IsBdAddress(device) ? MakeUpper(device) : std::string(device);
}

// "a.b.c.d:port" with every number without leading zeros.
std::string CanonicalEndpoint(std::string_view endpoint) {
    std::string out;
    size_t start = 0;
    while (start <= endpoint.size()) {
        const size_t end = endpoint.find_first_of(".:", start);
        out += WithoutLeadingZeros(endpoint.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        out += endpoint[end];
        start = end + 1;
    }
    return out;
}

} // namespace

const std::array<CSettingInfo, kSettingCount>& SettingCatalogue() {
    return kCatalogue;
}

const CSettingInfo& SettingInfo(SettingId id) {
    return kCatalogue[static_cast<size_t>(SettingIndex(id))];
}

std::string_view CommandWord(std::string_view line) {
    return line.substr(0, line.find(' '));
}

std::string_view CommandArguments(std::string_view line) {
    const size_t blank = line.find(' ');
    return blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
}

std::optional<SettingId> ClassifySetLine(std::string_view line) {
    if (line.size() > kMaxSetLine || !IsPrintable(line) || line.find(' ') == std::string_view::npos)
        return std::nullopt;
    const std::string_view word = CommandWord(line);
    const std::string_view args = CommandArguments(line);
    using S = SettingId;
    struct Rule {
        S id;
        bool (*accepts)(std::string_view);
    };
    static const Rule kRules[] = {
        {S::DataPort, [](std::string_view a) { return IsDigits(a, kDataPortDigits); }},
        {S::NoDisconnect,
         [](std::string_view a) {
             return IsOneOf(a, {"on", "off"});
         }},
        {S::KeepAlive,
         [](std::string_view a) {
             const auto words = SplitBlanks(a);
             // The Server Mode dialog always sends the interval 10 and the probe count 3.
             return words.size() == 3 && IsDigits(words[0], 5) && words[1] == "10" &&
                    words[2] == "3";
         }},
        {S::Registrations, IsRegistration},
        {S::Host, [](std::string_view a) { return IsEndpoint(a, kHostPortDigits); }},
        {S::Servers, IsServerEntry},
        {S::RepeatInterval, [](std::string_view a) { return IsDigits(a, 8); }},
        {S::Persist,
         [](std::string_view a) {
             return IsOneOf(a, {"on", "off"});
         }},
        {S::Vertex,
         [](std::string_view a) {
             const auto words = SplitBlanks(a);
             return words.size() == 2 && IsDigits(words[0], kVertexPortDigits) &&
                    IsDigits(words[1], 1);
         }},
        {S::Station, IsBdAddress},
        {S::SerialPort, IsSerialSetting},
        {S::BtName, IsDeviceName},
        {S::MaxDt, [](std::string_view a) { return IsDigits(a, 3); }},
        {S::LinkTimeout, [](std::string_view a) { return IsDigits(a, 4); }},
        {S::Security,
         [](std::string_view a) {
             return IsOneOf(a, {"low", "high"});
         }},
        {S::Pairable,
         [](std::string_view a) {
             return IsOneOf(a, {"on", "off"});
         }},
        {S::Scan,
         [](std::string_view a) {
             return IsOneOf(a, {"Inquiry page", "Inquiry", "Page", "noscan"});
         }},
        {S::PeriodicInquiry, IsInquirySetting},
        {S::Mode,
         [](std::string_view a) {
             return IsOneOf(a, {"server", "client", "vertex", "repeater", "hub", "rs232"});
         }},
    };
    for (const Rule& rule : kRules)
        if (SettingInfo(rule.id).word == word && rule.accepts(args))
            return rule.id;
    return std::nullopt;
}

std::string TableEntryConflict(SettingId id, const std::vector<std::string>& earlier,
                               std::string_view line) {
    // A registration is "<device> <port>", a server "<ip>:<port> <device>".
    auto split = [id](std::string_view entry) {
        const std::string_view args = CommandArguments(entry);
        const size_t blank = id == SettingId::Registrations ? args.rfind(' ') : args.find(' ');
        const std::string_view first = args.substr(0, blank);
        const std::string_view second =
            blank == std::string_view::npos ? std::string_view{} : args.substr(blank + 1);
        // Compared as the appliance means them: port 80 is port 0080.
        return id == SettingId::Registrations
                   ? std::pair{CanonicalDevice(first), WithoutLeadingZeros(second)}
                   : std::pair{CanonicalDevice(second), CanonicalEndpoint(first)};
    };
    if (!SettingInfo(id).table)
        return {};
    const auto [device, port] = split(line);
    for (const std::string& entry : earlier) {
        const auto [otherDevice, otherPort] = split(entry);
        if (otherDevice == device)
            return IsBdAddress(device) ? "Same BDADDR is exist." : "Same Name is exist.";
        if (otherPort == port)
            return id == SettingId::Registrations ? "Same Port Number is exist."
                                                  : "Same Server Port Number is exist.";
    }
    return {};
}

bool AreSettingLines(SettingId id, const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (ClassifySetLine(lines[i]) != id ||
            !TableEntryConflict(id, {lines.begin(), lines.begin() + static_cast<long>(i)}, lines[i])
                 .empty())
            return false;
    return true;
}

std::string DisplayValue(SettingId id, const std::vector<std::string>& lines) {
    if (SettingInfo(id).table && lines.empty())
        return "(none)";
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : ", ") + std::string(CommandArguments(line));
    return text;
}

std::string CanonicalSetLine(SettingId id, std::string_view line) {
    if (ClassifySetLine(line) != id)
        return std::string(line);
    const std::string word(CommandWord(line));
    const std::string_view args = CommandArguments(line);
    switch (id) {
    case SettingId::DataPort:
        return word + " " + WithoutLeadingZeros(args);
    case SettingId::Registrations: {
        const size_t blank = args.rfind(' ');
        return word + " " + CanonicalDevice(args.substr(0, blank)) + " " +
               WithoutLeadingZeros(args.substr(blank + 1));
    }
    case SettingId::Host:
        return word + " " + CanonicalEndpoint(args);
    case SettingId::Servers: {
        const size_t blank = args.find(' ');
        return word + " " + CanonicalEndpoint(args.substr(0, blank)) + " " +
               CanonicalDevice(args.substr(blank + 1));
    }
    case SettingId::Vertex: {
        const size_t blank = args.find(' ');
        return word + " " + WithoutLeadingZeros(args.substr(0, blank)) +
               std::string(args.substr(blank));
    }
    case SettingId::Station:
        return word + " " + MakeUpper(args);
    default:
        return std::string(line);
    }
}
