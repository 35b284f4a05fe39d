#include "cli/UsageError.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/CommandSupport.h"

int ReportParseError(const CLI::App& app, const CLI::ParseError& error) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
        return app.exit(error);
    std::string line = error.what();
    // Without a command the parser only says one is required; the word given instead is
    // what the user needs to see.
    if (app.get_subcommands().empty() && !app.remaining().empty())
        line = "unknown command \"" + app.remaining().front() + "\"";
    // Some of the parser's texts run over several lines; scripts read the first one.
    line = line.substr(0, line.find('\n'));
    PrintError(line + " (see --help)");
    return 2;
}
