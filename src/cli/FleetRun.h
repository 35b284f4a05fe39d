#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/FleetOutcome.h"
#include "cli/Target.h"

class CCliSession;
class CGlobalOptions;
struct CCredentials;

// Told what the work on a target does now.
using FleetProgressText = std::function<void(const std::string& text)>;
// The work on one logged-in appliance; the runner fills in the address, and the name when the
// work leaves it empty.
using FleetJob = std::function<CTargetOutcome(CCliSession& session, const CTarget& target,
                                              const FleetProgressText& progress)>;

// Runs `job` on every target, `jobs` at a time, each on a session of its own: a target that
// cannot be connected to or logged in to is that target's failure. Shows the progress on
// stdout, on stderr when stdout carries JSON, redrawn in place only on a terminal. Returns the
// outcomes in the order of the targets.
std::vector<CTargetOutcome> RunOnTargets(const std::vector<CTarget>& targets,
                                         const CCredentials& credentials,
                                         const CGlobalOptions& options, int jobs, bool json,
                                         const FleetJob& job);

// What a fleet command prints at its end: the JSON on stdout, the summary on stderr, with
// --json; the summary on stdout otherwise. Returns the exit status.
int ReportFleet(const std::vector<CTargetOutcome>& outcomes,
                const std::vector<TargetResult>& counted, bool json);
