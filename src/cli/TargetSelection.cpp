#include "cli/TargetSelection.h"

#include <CLI/CLI.hpp>
#include <unordered_set>

#include "cli/ApplianceSearch.h"
#include "cli/CliOptions.h"
#include "cli/TargetValidator.h"
#include "cli/UnicastList.h"
#include "discovery/DiscoverySearch.h"

void AddTargetArguments(CLI::App& command, CTargetSelection& selection) {
    CLI::Option* targets =
        command
            .add_option("TARGET", selection.m_targets, "ADDRESS[:PORT] of an appliance (port 9097)")
            ->type_name("ADDRESS[:PORT]")
            ->check(TargetValidator());
    CLI::Option* all =
        command.add_flag("--all", selection.m_bAll, "Every appliance one discovery lists")
            ->excludes(targets);
    command
        .add_option("--to", selection.m_searchAt,
                    "With --all: search at this address or range (up to /16) instead of the "
                    "broadcast")
        ->type_name("ADDRESS|CIDR")
        ->check(AddressRangeValidator())
        ->needs(all);
}

CTargetList SelectTargets(const CTargetSelection& selection, const CGlobalOptions& options) {
    if (!selection.m_bAll && selection.m_targets.empty())
        throw CLI::RequiredError("TARGET (or --all)");
    CTargetList list;
    std::vector<CTarget> candidates;
    if (selection.m_bAll) {
        const CApplianceSearch search = SearchAppliances(options, UnicastList(selection.m_searchAt),
                                                         CDiscoverySearch::kDefaultWindowMs);
        for (const CDeviceRecord& record : search.records)
            candidates.push_back(TargetOfRecord(record));
        list.error = search.noAnswer;
    }
    for (const std::string& text : selection.m_targets)
        candidates.push_back(*ParseTarget(text));
    std::unordered_set<std::string> seen;
    for (const CTarget& target : candidates)
        if (seen.insert(target.Address()).second)
            list.targets.push_back(target);
    return list;
}
