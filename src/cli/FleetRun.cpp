#include "cli/FleetRun.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/FleetProgress.h"
#include "cli/FleetReport.h"
#include "cli/FleetRunner.h"

std::vector<CTargetOutcome> RunOnTargets(const std::vector<CTarget>& targets,
                                         const CCredentials& credentials,
                                         const CGlobalOptions& options, int jobs, bool json,
                                         const FleetJob& job) {
    const int fd = json ? STDERR_FILENO : STDOUT_FILENO;
    const bool terminal = isatty(fd) == 1;
    CFleetProgress progress(json ? std::cerr : std::cout, terminal, targets.size(),
                            terminal ? CFleetProgress::TerminalWidth(fd) : 80);
    std::vector<CTargetOutcome> outcomes(targets.size());
    RunSideBySide(targets.size(), jobs, [&](size_t index) {
        const CTarget& target = targets[index];
        progress.Started(index, target.m_strName.empty()
                                    ? target.Address()
                                    : target.Address() + " " + target.m_strName);
        CCliSession session(options.m_bVerbose);
        CTargetOutcome outcome;
        switch (session.Open(target, credentials, options.m_nConnectTimeoutSeconds * 1000)) {
        case SessionOutcome::Ok:
            outcome = job(session, target,
                          [&](const std::string& text) { progress.Working(index, text); });
            break;
        case SessionOutcome::LoginRefused:
            outcome.result = TargetResult::LoginRefused;
            outcome.reason = session.Failure();
            break;
        case SessionOutcome::Unreachable:
        case SessionOutcome::TimedOut:
            outcome.result = TargetResult::Unreachable;
            outcome.reason = session.Failure();
            break;
        }
        session.Close();
        outcome.address = target.Address();
        if (outcome.name.empty())
            outcome.name = target.m_strName;
        progress.Ended(index, OutcomeLine(outcome));
        outcomes[index] = std::move(outcome);
    });
    progress.Finish();
    return outcomes;
}

int ReportFleet(const std::vector<CTargetOutcome>& outcomes,
                const std::vector<TargetResult>& counted, bool json) {
    const std::string summary = FleetSummary(outcomes, counted);
    if (json) {
        std::cout << FleetJson(outcomes) << std::flush;
        std::cerr << summary << std::flush;
    } else {
        std::cout << summary << std::flush;
    }
    return FleetExitStatus(outcomes);
}
