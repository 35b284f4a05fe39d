#pragma once

#include <string>
#include <vector>

#include "cli/FleetOutcome.h"

// What a fleet run prints of its outcomes: a line as each target ends, the summary at the
// end, or with --json one object per target.

// "127.0.0.2:9097 Velmora42-1: applied Maxdt, Security" or "... stopped at "Rele 9101": ...".
std::string OutcomeLine(const CTargetOutcome& outcome);

// The counts of `counted` (every result counted, also at 0), then for each target that did
// not end in success its name, address, the line or reason and its backup file.
std::string FleetSummary(const std::vector<CTargetOutcome>& outcomes,
                         const std::vector<TargetResult>& counted);

// An array of one object per target, in the order of the targets, as printed text: address,
// name, result, changed, stopped_at, reason, backup, reads_back_otherwise, left_alone.
std::string FleetJson(const std::vector<CTargetOutcome>& outcomes);

// 0 when every target ended in success, 1 otherwise.
int FleetExitStatus(const std::vector<CTargetOutcome>& outcomes);
