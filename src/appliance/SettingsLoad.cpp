#include "appliance/SettingsLoad.h"

#include <algorithm>

#include "appliance/ConnectionListing.h"
#include "appliance/IApplianceExchange.h"
#include "appliance/TableEntry.h"
#include "ui/Text.h"

namespace {

constexpr int kRepeaterModeTimeoutSeconds = 20;

const CSettingEntry& At(const CSettingValues& values, SettingId id) {
    return values[static_cast<size_t>(SettingIndex(id))];
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The line that releases a table entry: a registration goes by its port, a server by its
// device, as the Server and Client Mode dialogs delete them.
std::string ReleaseLine(SettingId id, std::string_view entry) {
    const std::string_view args = CommandArguments(entry);
    if (id == SettingId::Registrations)
        return "Rele " + std::string(args.substr(args.rfind(' ') + 1));
    return "DelServ " + std::string(args.substr(args.find(' ') + 1));
}

bool IsRelease(std::string_view line) {
    const std::string_view word = CommandWord(line);
    return word == "Rele" || word == "DelServ";
}

std::string AppliedList(const std::vector<SettingId>& applied) {
    if (applied.empty())
        return "Nothing had been applied.";
    std::string text = "Applied before it:";
    for (size_t i = 0; i < applied.size(); ++i)
        text += (i == 0 ? " " : ", ") + std::string(SettingInfo(applied[i]).label);
    return text + ".";
}

// The table lines a stopped load got accepted, which stay applied but for the releases that
// were put back.
std::string TakenList(const std::vector<std::string>& taken) {
    if (taken.empty())
        return "";
    std::string text = " Of this table Velmora42 took:";
    for (size_t i = 0; i < taken.size(); ++i)
        text += (i == 0 ? " \"" : ", \"") + taken[i] + "\"";
    return text + ".";
}

} // namespace

bool SameSetting(SettingId id, const CSettingEntry& now, const CSettingEntry& file) {
    if (now.present != file.present)
        return false;
    if (!SettingInfo(id).table)
        return now.lines == file.lines;
    std::vector<std::string> a = now.lines;
    std::vector<std::string> b = file.lines;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

std::vector<std::string> LoadCommands(SettingId id, const CSettingEntry& now,
                                      const CSettingEntry& file) {
    if (!SettingInfo(id).table)
        return file.lines;
    std::vector<std::string> commands;
    for (const std::string& entry : now.lines)
        if (!Holds(file.lines, entry))
            commands.push_back(ReleaseLine(id, entry));
    for (const std::string& entry : file.lines)
        if (!Holds(now.lines, entry))
            commands.push_back(entry);
    return commands;
}

int LoadTimeout(SettingId id, std::string_view line) {
    if (id == SettingId::Mode && line == "mode repeater")
        return kRepeaterModeTimeoutSeconds;
    return SettingInfo(id).timeoutSeconds;
}

bool IsLoadReplyAccepted(SettingId id, std::string_view line, std::string_view reply) {
    const std::string args(CommandArguments(line));
    switch (id) {
    case SettingId::DataPort:
    case SettingId::NoDisconnect:
    case SettingId::KeepAlive:
    case SettingId::Station:
    case SettingId::SerialPort:
    case SettingId::PeriodicInquiry:
    case SettingId::Mode:
        return Find(reply, "+OK") >= 0;
    case SettingId::RepeatInterval:
        return StripLineEnd(reply) == "+OK REPEAT every " + args + " ms";
    case SettingId::Persist:
        return StripLineEnd(reply) == "+OK PERSIST " + args;
    case SettingId::Vertex: {
        const size_t blank = args.find(' ');
        return StripLineEnd(reply) ==
               "+OK PORT " + args.substr(0, blank) + " MAX " + args.substr(blank + 1);
    }
    default:
        // The tables, the host and the Bluetooth settings: a bare "+OK".
        return IsAccepted(reply);
    }
}

ConnectionCheck CheckConnections(IApplianceExchange& appliance) {
    const std::string reply = appliance.SendCommand("List\r\n", 1);
    if (reply.empty())
        return ConnectionCheck::TimedOut;
    if (Left(reply, 4) == "-ERR")
        return ConnectionCheck::Active;
    const CConnectionListing listing = ParseConnectionListing(reply);
    return listing.end == ListingEnd::Imperfect || !listing.rows.empty() ? ConnectionCheck::Active
                                                                         : ConnectionCheck::None;
}

CApplyResult ApplySettings(IApplianceExchange& appliance, const CSettingValues& now,
                           const CSettingValues& file, const std::vector<SettingId>& chosen,
                           const ApplyProgress& progress) {
    CApplyResult result;
    // The lines of the table being replaced that the appliance took, in the order sent.
    std::vector<std::string> taken;
    auto send = [&](SettingId id, const std::string& line) {
        if (progress)
            progress(line);
        return appliance.SendCommand(line + "\r\n", LoadTimeout(id, line));
    };
    auto stopped = [&](std::string failure) {
        result.failure = std::move(failure) + TakenList(taken) + "\n" + AppliedList(result.applied);
        return result;
    };
    auto timedOut = [&](const std::string& line) {
        result.timedOut = true;
        if (result.stopLine.empty())
            result.stopLine = line;
        return stopped("Sending \"" + line + "\" is timeout. Check Velmora42 and Try again.");
    };
    for (const CSettingInfo& info : SettingCatalogue()) {
        if (std::find(chosen.begin(), chosen.end(), info.id) == chosen.end())
            continue;
        taken.clear();
        std::vector<std::string> released;
        for (const std::string& line : LoadCommands(info.id, At(now, info.id), At(file, info.id))) {
            const std::string reply = send(info.id, line);
            if (reply.empty())
                return timedOut(line);
            const bool release = IsRelease(line);
            if (release ? IsAccepted(reply) : IsLoadReplyAccepted(info.id, line, reply)) {
                if (info.table)
                    taken.push_back(line);
                if (release)
                    for (const std::string& entry : At(now, info.id).lines)
                        if (ReleaseLine(info.id, entry) == line)
                            released.push_back(entry);
                continue;
            }
            result.stopLine = line;
            std::string failure =
                "The appliance refused \"" + line + "\" (" + std::string(info.label) + ").";
            if (!released.empty()) {
                // As a refused replacement in the Modify dialogs: what was released goes back.
                bool restored = true;
                for (const std::string& entry : released) {
                    const std::string back = send(info.id, entry);
                    if (back.empty())
                        return timedOut(entry);
                    restored = restored && IsAccepted(back);
                }
                failure += restored ? " The entries it released were registered again."
                                    : " Some released entries could not be registered "
                                      "again: the appliance no longer holds them.";
            }
            return stopped(failure);
        }
        taken.clear();
        result.applied.push_back(info.id);
    }
    return result;
}
