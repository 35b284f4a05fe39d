#include "cli/TargetSelection.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/CliOptions.h"
#include "cli/TargetValidator.h"

void AddTargetArguments(CLI::App& command, CTargetSelection& selection) {
    command.add_option("TARGET", selection.m_targets, "ADDRESS[:PORT] of an appliance (port 9097)")
        ->type_name("ADDRESS[:PORT]")
        ->check(TargetValidator());
}

CTargetList SelectTargets(const CTargetSelection& selection, const CGlobalOptions&) {
    CTargetList list;
    for (const std::string& text : selection.m_targets) {
        const CTarget target = *ParseTarget(text);
        const bool seen =
            std::any_of(list.targets.begin(), list.targets.end(),
                        [&](const CTarget& t) { return t.Address() == target.Address(); });
        if (!seen)
            list.targets.push_back(target);
    }
    if (list.targets.empty())
        list.error = "no TARGET given";
    return list;
}
