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
// entries in any order.
bool SameSetting(SettingId id, const CSettingEntry& now, const CSettingEntry& file);

// The command lines (without "\r\n") that make `now` into `file`: the file's line for a
// single setting; for a table the releases of the entries the file does not hold ("Rele"
// with the port, "DelServ" with the device), then the registrations of those the appliance
// lacks, in the file's order.
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
    // Empty when every chosen setting was applied; otherwise what stopped the load.
    std::string failure;
    std::string stopLine; // the line refused or left unanswered
    bool timedOut = false;
    bool ok() const { return failure.empty(); }
};

// Called before each line is sent.
using ApplyProgress = std::function<void(std::string_view line)>;

// Sends, setting by setting in the catalogue's order, the commands of the settings in
// `chosen` and stops at the first refusal or time-out. A table release or registration that
// is refused sends back the entries this load released from it, as the Modify dialogs
// restore a replaced entry; the failure names the lines of the table the appliance took. Blocks the
// UI thread for each exchange; after a time-out (`timedOut`) the caller reports it and asks for the
// reconnection.
CApplyResult ApplySettings(IApplianceExchange& appliance, const CSettingValues& now,
                           const CSettingValues& file, const std::vector<SettingId>& chosen,
                           const ApplyProgress& progress = {});
