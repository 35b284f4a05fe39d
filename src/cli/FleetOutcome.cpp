#include "cli/FleetOutcome.h"

std::string_view ResultWord(TargetResult result) {
    switch (result) {
    case TargetResult::Applied:
        return "applied";
    case TargetResult::Unchanged:
        return "unchanged";
    case TargetResult::WouldApply:
        return "would-apply";
    case TargetResult::Stopped:
        return "stopped";
    case TargetResult::Unreachable:
        return "unreachable";
    case TargetResult::LoginRefused:
        return "login-refused";
    case TargetResult::Rebooted:
        return "rebooted";
    case TargetResult::RebootFailed:
        return "reboot-failed";
    }
    return "";
}

bool IsSuccess(TargetResult result) {
    return result == TargetResult::Applied || result == TargetResult::Unchanged ||
           result == TargetResult::WouldApply || result == TargetResult::Rebooted;
}
