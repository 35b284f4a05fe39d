#include "cli/SaveCommand.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "appliance/AtomicFile.h"
#include "cli/CliOptions.h"
#include "cli/CommandSupport.h"
#include "cli/SettingsSnapshot.h"
#include "cli/TargetValidator.h"

namespace {

struct CSaveArguments {
    std::string m_strTarget;
    std::string m_strFile;
};

} // namespace

void AddSaveCommand(CLI::App& app, CGlobalOptions& options) {
    CLI::App* command = app.add_subcommand(
        "save", "Log in and write the appliance's settings file; FILE is replaced only on success");
    auto arguments = std::make_shared<CSaveArguments>();
    AddSingleTarget(*command, arguments->m_strTarget);
    command->add_option("-o,--output", arguments->m_strFile, "The settings file to write")
        ->type_name("FILE")
        ->required();
    command->callback([&options, arguments] {
        const std::optional<std::string> text = ReadSettingsSnapshot(
            *ParseTarget(arguments->m_strTarget), RunCredentials(options), options);
        options.m_nExitStatus = 1;
        if (!text)
            return;
        if (const std::string error = WriteFileAtomically(arguments->m_strFile, *text);
            !error.empty()) {
            PrintError(arguments->m_strFile + ": " + error);
            return;
        }
        options.m_nExitStatus = 0;
    });
}
