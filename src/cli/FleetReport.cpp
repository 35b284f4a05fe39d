#include "cli/FleetReport.h"

#include <algorithm>

#include <nlohmann/json.hpp>

namespace {

std::string Joined(const std::vector<std::string>& items, const char* separator) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : separator) + item;
    return text;
}

std::string Who(const CTargetOutcome& outcome) {
    return outcome.name.empty() ? outcome.address : outcome.address + " " + outcome.name;
}

// The line or reason that tells why a target is not done, on one line.
std::string Why(const CTargetOutcome& outcome) {
    std::string why = outcome.stopLine.empty() ? "" : "at \"" + outcome.stopLine + "\": ";
    for (char c : outcome.reason)
        why += c == '\n' ? ' ' : c;
    return why;
}

// A dry run tells the values too: nothing else shows what the load would do.
std::vector<std::string> Changes(const CTargetOutcome& outcome) {
    std::vector<std::string> changes;
    for (const CSettingChange& change : outcome.changed)
        changes.push_back(outcome.result == TargetResult::WouldApply
                              ? change.setting + " " + change.from + " -> " + change.to
                              : change.setting);
    return changes;
}

nlohmann::ordered_json OutcomeJson(const CTargetOutcome& outcome) {
    nlohmann::ordered_json changed = nlohmann::ordered_json::array();
    for (const CSettingChange& change : outcome.changed)
        changed.push_back({{"setting", change.setting}, {"from", change.from}, {"to", change.to}});
    return {
        {"address", outcome.address},           {"name", outcome.name},
        {"result", ResultWord(outcome.result)}, {"changed", changed},
        {"stopped_at", outcome.stopLine},       {"reason", outcome.reason},
        {"backup", outcome.backupFile},         {"reads_back_otherwise", outcome.readBackOtherwise},
        {"left_alone", outcome.leftAlone},
    };
}

} // namespace

std::string OutcomeLine(const CTargetOutcome& outcome) {
    std::string line = Who(outcome) + ": " + std::string(ResultWord(outcome.result));
    if (!IsSuccess(outcome.result))
        return line + " " + Why(outcome);
    if (!outcome.changed.empty())
        line += " " + Joined(Changes(outcome), "; ");
    if (!outcome.readBackOtherwise.empty())
        line += "; reads back otherwise: " + Joined(outcome.readBackOtherwise, "; ");
    if (!outcome.leftAlone.empty())
        line += "; left alone: " + Joined(outcome.leftAlone, "; ");
    return line;
}

std::string FleetSummary(const std::vector<CTargetOutcome>& outcomes,
                         const std::vector<TargetResult>& counted) {
    std::string text;
    for (TargetResult result : counted) {
        const auto count = std::count_if(outcomes.begin(), outcomes.end(),
                                         [result](const auto& o) { return o.result == result; });
        text += (text.empty() ? "" : ", ") + std::to_string(count) + " " +
                std::string(ResultWord(result));
    }
    text += " (of " + std::to_string(outcomes.size()) + ")\n";
    for (const CTargetOutcome& outcome : outcomes) {
        if (IsSuccess(outcome.result))
            continue;
        text += "  " + (outcome.name.empty() ? std::string("-") : outcome.name) + "  " +
                outcome.address + "  " + std::string(ResultWord(outcome.result)) + " " +
                Why(outcome) + "\n";
        if (!outcome.backupFile.empty())
            text += "    backup: " + outcome.backupFile + "\n";
    }
    return text;
}

std::string FleetJson(const std::vector<CTargetOutcome>& outcomes) {
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    for (const CTargetOutcome& outcome : outcomes)
        all.push_back(OutcomeJson(outcome));
    // Names and replies come from the appliances: bytes that are no UTF-8 show as U+FFFD.
    return all.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

int FleetExitStatus(const std::vector<CTargetOutcome>& outcomes) {
    return std::all_of(outcomes.begin(), outcomes.end(),
                       [](const auto& o) { return IsSuccess(o.result); })
               ? 0
               : 1;
}
