#include <CLI/CLI.hpp>

#include "cli/CliOptions.h"
#include "cli/ConnectionsCommand.h"
#include "cli/DiscoverCommand.h"
#include "cli/SaveCommand.h"
#include "cli/ShowCommand.h"
#include "cli/UsageError.h"

int main(int argc, char** argv) {
    CLI::App app("Configures Velmora42 appliances from scripts: finds them, shows and saves their "
                 "settings, loads a settings file into many at once.",
                 "velmora42-ctl");
    app.set_version_flag("--version", VELMORA_VERSION);
    app.set_help_all_flag("--help-all", "Print the help of every command and exit");
    CGlobalOptions options;
    AddGlobalOptions(app, options);
    AddDiscoverCommand(app, options);
    AddShowCommand(app, options);
    AddSaveCommand(app, options);
    AddConnectionsCommand(app, options);
    app.require_subcommand(1);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return ReportParseError(app, error);
    }
    return options.m_nExitStatus;
}
