#include "cli/RebootCommand.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/CommandSupport.h"
#include "cli/FleetRun.h"
#include "cli/TargetSelection.h"
#include "ui/Text.h"

namespace {

struct CRebootArguments {
    CTargetSelection selection;
    int jobs = 8;
    bool json = false;
};

// The Information page's reboot: "Reboot" with time-out 0, accepted when the reply begins
// "+OK"; the appliance then closes the connection and restarts.
CTargetOutcome Reboot(CCliSession& session, const CTarget&, const FleetProgressText& progress) {
    CTargetOutcome outcome;
    progress("Sending Reboot");
    const std::string reply = session.SendCommand("Reboot\r\n", 0);
    outcome.result = TargetResult::RebootFailed;
    if (reply.empty())
        outcome.reason = "Reboot is timeout. Check Velmora42 and Try again.";
    else if (Left(StripLineEnd(reply), 3) != "+OK")
        outcome.reason = "Reboot is Failed. Try again";
    else
        outcome.result = TargetResult::Rebooted;
    return outcome;
}

} // namespace

void AddRebootCommand(CLI::App& app, CGlobalOptions& options) {
    CLI::App* command = app.add_subcommand("reboot", "Reboot appliances, several at a time");
    auto arguments = std::make_shared<CRebootArguments>();
    AddTargetArguments(*command, arguments->selection);
    command->add_option("--jobs", arguments->jobs, "Appliances worked on at the same time")
        ->check(CLI::Range(1, 256))
        ->capture_default_str();
    command->add_flag("--json", arguments->json, "Print one JSON object per appliance");
    command->callback([&options, arguments] {
        const CTargetList list = SelectTargets(arguments->selection, options);
        const CCredentials credentials = RunCredentials(options);
        if (!list.error.empty()) {
            PrintError(list.error);
            options.m_nExitStatus = 1;
            return;
        }
        const auto outcomes = RunOnTargets(list.targets, credentials, options, arguments->jobs,
                                           arguments->json, Reboot);
        options.m_nExitStatus = ReportFleet(outcomes,
                                            {TargetResult::Rebooted, TargetResult::RebootFailed,
                                             TargetResult::Unreachable, TargetResult::LoginRefused},
                                            arguments->json);
    });
}
