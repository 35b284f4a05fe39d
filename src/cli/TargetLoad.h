#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "appliance/SettingCatalogue.h"
#include "cli/FleetOutcome.h"

class IApplianceExchange;

// Loading a settings file into one logged-in appliance by the rules of the manager's load
// window, without the window: the settings that differ are chosen, the Bluetooth name only
// when asked, the mode not while a Bluetooth connection is up nor one the firmware cannot run.

struct CLoadChoice {
    bool m_bWithName = false;
    std::vector<SettingId> m_only; // empty: every setting
    bool m_bDryRun = false;
};

// The settings the set command words name ("Maxdt", "secu": case does not matter; "Serv"
// names the host and the server table); nothing when a word names none.
std::optional<std::vector<SettingId>> SettingsNamedBy(const std::vector<std::string>& words);

struct CBackupFile {
    std::string path;
    std::string error; // empty when the file was written
};
// Writes the appliance's settings as read, with the firmware text its "Ver" reply gave.
using BackupWriter =
    std::function<CBackupFile(const CSettingValues& now, const std::string& firmware)>;
// Told what the load does now: "Reading Maxdt", "Sending Maxdt 5".
using LoadProgress = std::function<void(const std::string& text)>;

// Reads the appliance's settings, chooses, checks the connections when the mode is chosen,
// writes the backup before the first set command, sends the chosen settings (ApplySettings,
// stopping at the first refusal or time-out) and reads them back. A dry run stops after the
// choice and sends no set command. `modelCode` is the discovery record's, empty without one.
// The outcome's address is left to the caller; its name is the
// Bluetooth name read. Blocks the calling thread for every exchange.
CTargetOutcome LoadIntoAppliance(IApplianceExchange& appliance, const CSettingValues& file,
                                 const CLoadChoice& choice, std::string_view modelCode,
                                 const BackupWriter& backup, const LoadProgress& progress);
