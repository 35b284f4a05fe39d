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

// Whether `lines` holds an entry the appliance means as `line`.
bool Holds(SettingId id, const std::vector<std::string>& lines, const std::string& line) {
    const std::string meant = CanonicalSetLine(id, line);
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& each) {
        return CanonicalSetLine(id, each) == meant;
    });
}

// The line that releases a table entry: a registration goes by its port, a server by its
// device, as the Server and Client Mode dialogs delete them.
std::string ReleaseLine(SettingId id, std::string_view entry) {
    const std::string_view args = CommandArguments(entry);
    if (id == SettingId::Registrations)
        return "Rele " + std::string(args.substr(args.rfind(' ') + 1));
    return "DelServ " + std::string(args.substr(args.find(' ') + 1));
}

std::string Quoted(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "\"" : ", \"") + lines[i] + "\"";
    return text;
}

// What a table replacement did on the appliance so far, for putting it back.
struct CTableProgress {
    std::vector<std::string> taken;      // the lines accepted, in the order sent
    std::vector<std::string> released;   // the entries released
    std::vector<std::string> registered; // the entries registered
};

} // namespace

bool SameSetting(SettingId id, const CSettingEntry& now, const CSettingEntry& file) {
    if (now.present != file.present || now.lines.size() != file.lines.size())
        return false;
    auto meant = [id](const std::vector<std::string>& lines) {
        std::vector<std::string> out;
        for (const std::string& line : lines)
            out.push_back(CanonicalSetLine(id, line));
        // A table's entries in any order.
        if (SettingInfo(id).table)
            std::sort(out.begin(), out.end());
        return out;
    };
    return meant(now.lines) == meant(file.lines);
}

std::vector<CTableStep> TablePlan(SettingId id, const CSettingEntry& now,
                                  const CSettingEntry& file) {
    std::vector<CTableStep> steps;
    std::vector<std::string> pending; // the entries to release, in the appliance's order
    for (const std::string& entry : now.lines) {
        if (Holds(id, file.lines, entry))
            steps.push_back({TableAction::Keep, entry, {}});
        else
            pending.push_back(entry);
    }
    for (const std::string& entry : file.lines) {
        if (Holds(id, now.lines, entry))
            continue;
        // Released just before the registration that needs its device or port.
        for (auto it = pending.begin(); it != pending.end();) {
            if (TableEntryConflict(id, {*it}, entry).empty()) {
                ++it;
                continue;
            }
            steps.push_back({TableAction::Release, *it, ReleaseLine(id, *it)});
            it = pending.erase(it);
        }
        steps.push_back({TableAction::Register, entry, entry});
    }
    for (const std::string& entry : pending)
        steps.push_back({TableAction::Release, entry, ReleaseLine(id, entry)});
    return steps;
}

std::vector<std::string> LoadCommands(SettingId id, const CSettingEntry& now,
                                      const CSettingEntry& file) {
    if (!SettingInfo(id).table)
        return file.lines;
    std::vector<std::string> commands;
    for (const CTableStep& step : TablePlan(id, now, file))
        if (step.action != TableAction::Keep)
            commands.push_back(step.command);
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
    CTableProgress table;
    auto send = [&](SettingId id, const std::string& line) {
        if (progress)
            progress(line);
        return appliance.SendCommand(line + "\r\n", LoadTimeout(id, line));
    };
    auto stopped = [&](std::string failure) {
        result.taken = table.taken;
        if (!table.taken.empty())
            failure += " Of this table Velmora42 took: " + Quoted(table.taken) + ".";
        if (!result.putBack.empty())
            failure += " Put back: " + Quoted(result.putBack) + ".";
        if (!result.notPutBack.empty())
            failure += " Not put back: " + Quoted(result.notPutBack) + ".";
        const bool tableChanged =
            !table.taken.empty() && (result.timedOut || !result.notPutBack.empty());
        std::string applied;
        for (size_t i = 0; i < result.applied.size(); ++i)
            applied += (i == 0 ? " " : ", ") + std::string(SettingInfo(result.applied[i]).label);
        result.failure = failure + "\n" +
                         (!applied.empty()  ? "Applied before it:" + applied + "."
                          : tableChanged    ? std::string("No setting before it had been applied.")
                          : result.timedOut ? std::string("Nothing had been applied before it.")
                                            : std::string("Nothing had been applied."));
        return result;
    };
    auto timedOut = [&](const std::string& line) {
        result.timedOut = true;
        return stopped("Sending \"" + line + "\" is timeout. Check Velmora42 and Try again.");
    };
    for (const CSettingInfo& info : SettingCatalogue()) {
        if (std::find(chosen.begin(), chosen.end(), info.id) == chosen.end())
            continue;
        table = {};
        std::vector<CTableStep> steps;
        if (info.table)
            steps = TablePlan(info.id, At(now, info.id), At(file, info.id));
        else
            for (const std::string& line : At(file, info.id).lines)
                steps.push_back({TableAction::Register, line, line});
        for (const CTableStep& step : steps) {
            if (step.action == TableAction::Keep)
                continue;
            const std::string& line = step.command;
            const std::string reply = send(info.id, line);
            if (reply.empty())
                return timedOut(line);
            const bool release = step.action == TableAction::Release;
            if (release ? IsAccepted(reply) : IsLoadReplyAccepted(info.id, line, reply)) {
                if (!info.table)
                    continue;
                table.taken.push_back(line);
                (release ? table.released : table.registered).push_back(step.entry);
                continue;
            }
            // As a refused replacement in the Modify dialogs, the table goes back as it was:
            // first what this load registered is released, so that what it released finds its
            // device and port free again.
            std::vector<std::string> putBack;
            for (auto it = table.registered.rbegin(); it != table.registered.rend(); ++it)
                putBack.push_back(ReleaseLine(info.id, *it));
            putBack.insert(putBack.end(), table.released.begin(), table.released.end());
            const std::string refusal =
                "The appliance refused \"" + line + "\" (" + std::string(info.label) + ").";
            for (const std::string& back : putBack) {
                const std::string backReply = send(info.id, back);
                if (backReply.empty()) {
                    result.timedOut = true;
                    return stopped(refusal + " Putting the table back, sending \"" + back +
                                   "\" is timeout. Check Velmora42 and Try again.");
                }
                (IsAccepted(backReply) ? result.putBack : result.notPutBack).push_back(back);
            }
            return stopped(refusal);
        }
        table = {};
        result.applied.push_back(info.id);
    }
    return result;
}
