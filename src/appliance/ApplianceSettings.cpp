#include "appliance/ApplianceSettings.h"

#include <algorithm>
#include <map>

#include "appliance/BindListing.h"
#include "appliance/BluetoothReplies.h"
#include "appliance/IApplianceExchange.h"
#include "appliance/ModeReplies.h"
#include "appliance/NeighbourListing.h"
#include "appliance/SerialSettings.h"
#include "appliance/ServListing.h"
#include "ui/Text.h"

namespace {

using Lines = std::optional<std::vector<std::string>>;

struct QueryInfo {
    const char* command;
    int timeoutSeconds;
};

// The queries and time-outs the pages and dialogs send, by setting.
constexpr QueryInfo kQueries[kSettingCount] = {
    {"Port\r\n", 0},  {"prsv\r\n", 1},   {"kato\r\n", 1},  {"Bind\r\n", 1},   {"Serv\r\n", 1},
    {"Serv\r\n", 1},  {"Rept\r\n", 0},   {"Psist\r\n", 0}, {"Vertex\r\n", 0}, {"station\r\n", 1},
    {"rs232\r\n", 1}, {"BTName\r\n", 0}, {"Maxdt\r\n", 0}, {"Linkto\r\n", 0}, {"Secu\r\n", 0},
    {"Pair\r\n", 0},  {"Scan\r\n", 0},   {"pinq\r\n", 3},  {"Mode\r\n", 0},
};

// A table entry the listing repeats is one entry: the file holds each once.
void AddEntry(std::vector<std::string>& lines, std::string line) {
    if (std::find(lines.begin(), lines.end(), line) == lines.end())
        lines.push_back(std::move(line));
}

Lines One(std::string line) {
    return std::vector<std::string>{std::move(line)};
}

// The Bluetooth page's rule: a reply that begins "+OK" once its line end is dropped.
std::optional<std::string> BluetoothReply(std::string_view reply) {
    std::string stripped = StripLineEnd(reply);
    if (Left(stripped, 3) != "+OK")
        return std::nullopt;
    return stripped;
}

Lines Registrations(std::string_view reply) {
    if (Left(reply, 4) == "-ERR")
        return std::nullopt;
    const CBindListing listing = ParseBindListing(reply);
    if (!listing.complete)
        return std::nullopt;
    std::vector<std::string> lines;
    for (const CTableEntry& row : listing.rows)
        AddEntry(lines, "Bind " + row.name + " " + row.value);
    return lines;
}

Lines ServListingLines(std::string_view reply, bool host) {
    if (Left(reply, 4) == "-ERR")
        return std::nullopt;
    // The walk the Client Mode dialog takes: the server lines up to the host line.
    const CServListing listing = ParseServListing(reply, ServWalk::UntilHostLine);
    if (listing.imperfect || !listing.host)
        return std::nullopt;
    if (host)
        return One("Serv " + FormatDottedAddress(listing.host->address) + ":" + listing.host->port);
    std::vector<std::string> lines;
    for (const CTableEntry& server : listing.servers)
        AddEntry(lines, "Serv " + server.value + " " + server.name);
    return lines;
}

Lines Station(std::string_view reply) {
    if (Find(reply, "+OK") < 0)
        return std::nullopt;
    // The twelve digits the Repeater Mode dialog's masked field takes, joined as it sends them.
    const std::string input = StationInputFromReply(reply);
    std::string address;
    for (int pair = 0; pair < 6; ++pair)
        address += (pair == 0 ? "" : ":") + Mid(input, pair * 2, 2);
    return One("station " + address);
}

Lines SerialPort(std::string_view reply) {
    if (Find(reply, "+OK") < 0)
        return std::nullopt;
    const auto command = SerialSettingsCommand(ParseSerialSettings(reply, CSerialSettings{}));
    if (!command)
        return std::nullopt;
    return One(StripLineEnd(*command));
}

Lines Scan(std::string_view reply) {
    const auto stripped = BluetoothReply(reply);
    const auto flags = stripped ? ScanFromReply(*stripped, {}) : std::nullopt;
    if (!flags)
        return std::nullopt;
    // The words the Bluetooth page's Apply sends for the two flags.
    if (flags->discoverable && flags->connectable)
        return One("Scan Inquiry page");
    if (flags->discoverable)
        return One("Scan Inquiry");
    return One(flags->connectable ? "Scan Page" : "Scan noscan");
}

Lines PeriodicInquiry(std::string_view reply) {
    if (Find(reply, "+OK") < 0)
        return std::nullopt;
    const CPeriodicInquiry inquiry = ParsePeriodicInquiry(reply);
    if (!inquiry.running)
        return One("pinq off");
    return One("pinq on " + inquiry.interval + " " + inquiry.length + " " +
               std::string(inquiry.accessCode == 0 ? kGeneralAccessCode : kLimitedAccessCode));
}

std::string Printable(std::string_view text) {
    std::string out;
    for (char c : text)
        out += c >= 0x20 && c <= 0x7E ? c : '?';
    return out;
}

std::vector<std::string> KeptEntries(const CSettingInfo& info,
                                     const std::vector<std::string>& lines,
                                     std::vector<std::string>& leftOut) {
    std::vector<std::string> kept;
    for (const std::string& line : lines) {
        if (ClassifySetLine(line) == info.id && TableEntryConflict(info.id, kept, line).empty())
            kept.push_back(line);
        else
            leftOut.push_back(std::string(info.label) + ": \"" + Printable(CommandArguments(line)) +
                              "\"");
    }
    return kept;
}

} // namespace

std::string_view SettingQuery(SettingId id) {
    return kQueries[SettingIndex(id)].command;
}

int SettingQueryTimeout(SettingId id) {
    return kQueries[SettingIndex(id)].timeoutSeconds;
}

std::optional<std::vector<std::string>> SettingLinesFromReply(SettingId id,
                                                              std::string_view reply) {
    switch (id) {
    case SettingId::DataPort:
        if (const auto port = DataPortFromReply(reply))
            return One("Port " + *port);
        return std::nullopt;
    case SettingId::NoDisconnect:
        if (const auto keep = NoDisconnectFromReply(reply))
            return One(*keep ? "prsv on" : "prsv off");
        return std::nullopt;
    case SettingId::KeepAlive:
        if (const auto seconds = KeepAliveFromReply(reply))
            return One("kato " + *seconds + " 10 3");
        return std::nullopt;
    case SettingId::Registrations:
        return Registrations(reply);
    case SettingId::Host:
        return ServListingLines(reply, true);
    case SettingId::Servers:
        return ServListingLines(reply, false);
    case SettingId::RepeatInterval:
        if (const auto interval = RepeatIntervalFromReply(reply))
            return One("Rept " + *interval);
        return std::nullopt;
    case SettingId::Persist:
        // The Client Mode dialog shows the switch on for "on" only.
        if (const auto persist = PersistFromReply(reply))
            return One(*persist == "on" ? "Psist on" : "Psist off");
        return std::nullopt;
    case SettingId::Vertex:
        if (const auto vertex = VertexFromReply(reply))
            return One("Vertex " + vertex->port + " " + vertex->maxConnections);
        return std::nullopt;
    case SettingId::Station:
        return Station(reply);
    case SettingId::SerialPort:
        return SerialPort(reply);
    case SettingId::BtName:
        if (const auto stripped = BluetoothReply(reply))
            return One("BTName " + NameFromReply(*stripped));
        return std::nullopt;
    case SettingId::MaxDt:
        if (const auto stripped = BluetoothReply(reply))
            return One("Maxdt " + MaxDtFromReply(*stripped));
        return std::nullopt;
    case SettingId::LinkTimeout:
        if (const auto stripped = BluetoothReply(reply))
            return One("Linkto " + LinkTimeoutFromReply(*stripped));
        return std::nullopt;
    case SettingId::Security:
        if (const auto stripped = BluetoothReply(reply))
            if (const auto security = SecurityFromReply(*stripped))
                return One("Secu " + *security);
        return std::nullopt;
    case SettingId::Pairable:
        if (const auto stripped = BluetoothReply(reply))
            if (const auto pairable = PairableFromReply(*stripped))
                return One(*pairable ? "Pair on" : "Pair off");
        return std::nullopt;
    case SettingId::Scan:
        return Scan(reply);
    case SettingId::PeriodicInquiry:
        return PeriodicInquiry(reply);
    case SettingId::Mode: {
        const int index = ModeIndexFromReply(reply);
        if (index < 0)
            return std::nullopt;
        return One("mode " + ModeWord(index));
    }
    }
    return std::nullopt;
}

std::string CReadSettingsResult::Message() const {
    if (timedOut)
        return "Reading " + failedSetting + " is timeout. Check Velmora42 and Try again.";
    return "Reading " + failedSetting + " is Failed. Try again";
}

std::string CReadSettingsResult::LeftOutText() const {
    if (leftOut.empty())
        return {};
    std::string text = "\nLeft out, as no line of the file can hold them:";
    for (const std::string& entry : leftOut)
        text += "\n" + entry;
    return text;
}

CReadSettingsResult ReadApplianceSettings(IApplianceExchange& appliance,
                                          const ReadProgress& progress) {
    CReadSettingsResult result;
    // The host line and the server table come from one "Serv" listing.
    std::map<std::string_view, std::string> replies;
    for (const CSettingInfo& info : SettingCatalogue()) {
        if (!appliance.IsCommandSupported(info.word))
            continue;
        if (progress)
            progress(info);
        const std::string_view query = SettingQuery(info.id);
        auto cached = replies.find(query);
        if (cached == replies.end())
            cached =
                replies.emplace(query, appliance.SendCommand(query, SettingQueryTimeout(info.id)))
                    .first;
        const std::string& reply = cached->second;
        Lines lines = reply.empty() ? std::nullopt : SettingLinesFromReply(info.id, reply);
        // A table entry no file line could hold (something a dialog would not send, or the
        // device or port of an entry before it) is left out and named; the rest is kept.
        if (lines && info.table)
            lines = KeptEntries(info, *lines, result.leftOut);
        // A single value the file could not hold fails like a reply the parser does not take.
        if (!lines || !AreSettingLines(info.id, *lines)) {
            CReadSettingsResult failed;
            failed.failedSetting = std::string(info.label);
            failed.timedOut = reply.empty();
            return failed;
        }
        CSettingEntry& entry = result.values[static_cast<size_t>(SettingIndex(info.id))];
        entry.present = true;
        entry.lines = *lines;
    }
    return result;
}
