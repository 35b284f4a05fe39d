#include "cli/ShowCommand.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/CliOptions.h"
#include "cli/CommandSupport.h"
#include "cli/SettingsSnapshot.h"
#include "cli/TargetValidator.h"

void AddShowCommand(CLI::App& app, CGlobalOptions& options) {
    CLI::App* command =
        app.add_subcommand("show", "Log in and print the appliance's settings as a settings file");
    auto target = std::make_shared<std::string>();
    AddSingleTarget(*command, *target);
    command->callback([&options, target] {
        const std::optional<std::string> text =
            ReadSettingsSnapshot(*ParseTarget(*target), RunCredentials(options), options);
        if (text)
            std::fwrite(text->data(), 1, text->size(), stdout);
        options.m_nExitStatus = text ? 0 : 1;
    });
}
