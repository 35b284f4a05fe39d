#pragma once

#include <string>
#include <string_view>
#include <vector>

// How the work on one appliance of a fleet run ended.
enum class TargetResult {
    Applied,      // every chosen setting was accepted
    Unchanged,    // the appliance held what the file holds: nothing was sent
    WouldApply,   // a dry run found settings that differ; nothing was sent
    Stopped,      // refused, timed out or could not be read: see the reason
    Unreachable,  // no connection, or the appliance went silent at the greeting or login
    LoginRefused, // the appliance refused the user name or password
    Rebooted,     // the appliance accepted "Reboot"
    RebootFailed  // "Reboot" got no answer or one without "+OK"
};

// "applied", "unchanged", "would-apply", "stopped", "unreachable", "login-refused", "rebooted",
// "reboot-failed".
std::string_view ResultWord(TargetResult result);
// Whether a run that ended so counts as done (exit status 0 when all did).
bool IsSuccess(TargetResult result);

// One setting a load changed, or a dry run would change: the load window's name for it and
// the values as the load window shows them.
struct CSettingChange {
    std::string setting;
    std::string from;
    std::string to;
};

struct CTargetOutcome {
    std::string address; // "ADDRESS:PORT"
    std::string name;    // the Bluetooth name as read, or as discovery listed it
    TargetResult result = TargetResult::Unreachable;
    std::vector<CSettingChange> changed;
    std::string stopLine;   // the command line the appliance refused or left unanswered
    std::string reason;     // why the result is not a success, in the manager's words
    std::string backupFile; // the settings as read before the first set command
    // The applied settings that read back otherwise: "Maxdt: sent 5, reads 7".
    std::vector<std::string> readBackOtherwise;
    // The settings that differ but were not chosen, with why: "Operation Mode: ...".
    std::vector<std::string> leftAlone;
};
