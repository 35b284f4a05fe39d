#include "cli/LoadCommand.h"

#include <CLI/CLI.hpp>
#include <ctime>
#include <fstream>
#include <memory>

#include "appliance/SettingsBackup.h"
#include "appliance/SettingsFile.h"
#include "appliance/SettingsHeader.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/CommandSupport.h"
#include "cli/FleetRun.h"
#include "cli/TargetLoad.h"
#include "cli/TargetSelection.h"

namespace {

struct CLoadArguments {
    std::string file;
    CTargetSelection selection;
    bool dryRun = false;
    bool withName = false;
    std::vector<std::string> only;
    std::string backupFolder;
    int jobs = 8;
    bool json = false;
};

// The settings file, read whole; nothing, with the reason on stderr, when it cannot be loaded.
std::optional<CSettingValues> ReadFile(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        PrintError("the file " + path + " could not be read");
        return std::nullopt;
    }
    // One byte more than a settings file may hold is enough to refuse a larger one.
    std::string text(kMaxSettingsFile + 1, '\0');
    stream.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(stream.gcount()));
    CSettingsFileResult file = ReadSettingsFile(text);
    if (!file.ok()) {
        PrintError("the settings file " + path + " cannot be loaded: " + file.error);
        return std::nullopt;
    }
    return std::move(file.values);
}

CLI::Validator SettingWords() {
    return CLI::Validator(
        [](std::string& word) {
            return SettingsNamedBy({word}) ? std::string()
                                           : "no setting is set with \"" + word + "\"";
        },
        "WORD");
}

// What the header of a backup tells of the appliance: the record when a discovery found it.
CApplianceIdentity IdentityOf(const CTarget& target, const std::string& firmware) {
    CApplianceIdentity identity;
    identity.ipAddress = target.m_strHost;
    identity.firmware = firmware;
    if (target.m_record) {
        identity.btName = target.m_record->btName;
        identity.macAddress = target.m_record->macAddress;
        identity.modelCode = target.m_record->modelCode;
    }
    return identity;
}

void RunLoad(CGlobalOptions& options, const CLoadArguments& arguments) {
    const CTargetList list = SelectTargets(arguments.selection, options);
    const CCredentials credentials = RunCredentials(options);
    if (!list.error.empty()) {
        PrintError(list.error);
        options.m_nExitStatus = 1;
        return;
    }
    const std::optional<CSettingValues> file = ReadFile(arguments.file);
    if (!file) {
        options.m_nExitStatus = 1;
        return;
    }
    CLoadChoice choice;
    choice.m_bDryRun = arguments.dryRun;
    choice.m_bWithName = arguments.withName;
    choice.m_only = *SettingsNamedBy(arguments.only);
    const std::string folder =
        arguments.backupFolder.empty() ? DefaultBackupFolder() : arguments.backupFolder;
    const auto outcomes = RunOnTargets(
        list.targets, credentials, options, arguments.jobs, arguments.json,
        [&](CCliSession& session, const CTarget& target, const FleetProgressText& progress) {
            const BackupWriter backup = [&](const CSettingValues& now,
                                            const std::string& firmware) -> CBackupFile {
                const std::time_t clock = std::time(nullptr);
                const CBackupResult written = WriteSettingsBackup(
                    folder, MakeSettingsHeader(now, IdentityOf(target, firmware), clock), now,
                    clock);
                return {written.path, written.error};
            };
            const std::string model = target.m_record ? target.m_record->modelCode : "";
            return LoadIntoAppliance(session, *file, choice, model, backup, progress);
        });
    options.m_nExitStatus =
        ReportFleet(outcomes,
                    {arguments.dryRun ? TargetResult::WouldApply : TargetResult::Applied,
                     TargetResult::Unchanged, TargetResult::Stopped, TargetResult::Unreachable,
                     TargetResult::LoginRefused},
                    arguments.json);
}

} // namespace

void AddLoadCommand(CLI::App& app, CGlobalOptions& options) {
    CLI::App* command = app.add_subcommand(
        "load", "Load a settings file into appliances, several at a time, sending only the "
                "settings that differ");
    auto arguments = std::make_shared<CLoadArguments>();
    command->add_option("FILE", arguments->file, "Settings file, as save writes it")
        ->required()
        ->check(CLI::ExistingFile);
    AddTargetArguments(*command, arguments->selection);
    command->add_flag("--dry-run", arguments->dryRun,
                      "Read each appliance and print what would change; send no set command");
    command->add_flag("--with-name", arguments->withName, "Send the Bluetooth name too");
    command
        ->add_option("--only", arguments->only,
                     "Send only the settings of these set command words (Maxdt,Secu,...)")
        ->delimiter(',')
        ->check(SettingWords());
    command->add_option("--backup-dir", arguments->backupFolder,
                        "Folder of the backups written before the first set command (default: "
                        "$XDG_DATA_HOME/velmora42-manager/backups)");
    command->add_option("--jobs", arguments->jobs, "Appliances loaded at the same time")
        ->check(CLI::Range(1, 256))
        ->capture_default_str();
    command->add_flag("--json", arguments->json, "Print one JSON object per appliance");
    command->callback([&options, arguments] { RunLoad(options, *arguments); });
}
