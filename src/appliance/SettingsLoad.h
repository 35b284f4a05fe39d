#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "appliance/SettingCatalogue.h"

class IApplianceExchange;

// Putting the settings of a file onto the appliance: what to send for each setting, how each
// reply is judged (the rule of the page or dialog that sends the same command), and the
// exchange itself.

// Whether the appliance holds what the file holds: the same line, or for a table the same
// entries in any order, as the appliance means them (CanonicalSetLine: port 80 is 0080).
bool SameSetting(SettingId id, const CSettingEntry& now, const CSettingEntry& file);

// One step of a table's replacement: an entry the appliance keeps, or one released or
// registered with `command` (without "\r\n").
enum class TableAction { Keep, Release, Register };
struct CTableStep {
    TableAction action;
    std::string entry; // the entry's set command line
    std::string command;
};

// The replacement of table `id` step by step: the entries kept, then the commands of
// LoadCommands in their order, each with its entry.
std::vector<CTableStep> TablePlan(SettingId id, const CSettingEntry& now,
                                  const CSettingEntry& file);

// The command lines (without "\r\n") that make `now` into `file`: the file's line for a
// single setting; for a table, in the file's order, the registrations of the entries the
// appliance lacks, each just after the releases ("Rele" with the port, "DelServ" with the
// device) of the entries not in the file that hold its device or port, then the releases of
// the other entries not in the file; so that as few entries as can be are away at any moment.
std::vector<std::string> LoadCommands(SettingId id, const CSettingEntry& now,
                                      const CSettingEntry& file);

// The time-out `line` is sent with: the catalogue's, 20 s for the switch to Repeater mode
// (the appliance sets its radio up anew first).
int LoadTimeout(SettingId id, std::string_view line);

// Whether `reply` accepts `line`, by the rule its page or dialog applies: "+OK" anywhere,
// exactly "+OK", or the exact echo ("Rept", "Psist", "Vertex").
bool IsLoadReplyAccepted(SettingId id, std::string_view line, std::string_view reply);

// Whether the appliance holds a live Bluetooth connection, asked with "List" as the
// Connections page asks: a refused or imperfect listing counts as one, so that the mode is
// not changed under a connection nobody saw; no reply is a time-out, which the caller reports
// (kConnectionTimeout) and reconnects.
enum class ConnectionCheck { None, Active, TimedOut };
ConnectionCheck CheckConnections(IApplianceExchange& appliance);
inline constexpr std::string_view kConnectionTimeout =
    "Reading the Bluetooth connections is timeout. Check Velmora42 and Try again.";

struct CApplyResult {
    std::vector<SettingId> applied; // the settings whose every line was accepted, in order
    // Empty when every chosen setting was applied; otherwise what stopped the load, what it
    // changed and what was put back.
    std::string failure;
    bool timedOut = false;
    // For a stop inside a table: the lines of it the appliance took, then the lines that were
    // sent to put the table back, accepted or refused.
    std::vector<std::string> taken;
    std::vector<std::string> putBack;
    std::vector<std::string> notPutBack;
    bool ok() const { return failure.empty(); }
};

// Called before each line is sent.
using ApplyProgress = std::function<void(std::string_view line)>;

// Sends, setting by setting in the catalogue's order, the commands of the settings in
// `chosen` and stops at the first refusal or time-out. A table release or registration that
// is refused puts the table back as the appliance held it: the entries this load registered
// are released, then those it released registered again. The failure names the line, the
// table lines the appliance took, the lines put back or not, and the settings applied before;
// "Nothing had been applied." only when the appliance holds what it held before. Blocks the
// UI thread for each exchange; after a time-out (`timedOut`, no put-back is tried but the one
// under way) the caller reports it and asks for the reconnection.
CApplyResult ApplySettings(IApplianceExchange& appliance, const CSettingValues& now,
                           const CSettingValues& file, const std::vector<SettingId>& chosen,
                           const ApplyProgress& progress = {});
