#pragma once

#include <ctime>
#include <string>

#include "appliance/SettingsFile.h"

// The backup a load writes of the appliance's settings as read, before it sends anything, so
// that an operator can load it to get the appliance back whatever stopped the load.

// The user's data folder for backups: $XDG_DATA_HOME, else ~/.local/share, and in it
// "velmora42-manager/backups"; empty when neither is set.
std::string DefaultBackupFolder();

struct CBackupResult {
    std::string path;  // the file written
    std::string error; // empty when it was written; otherwise what failed
    bool ok() const { return error.empty(); }
};

// Writes `values` with `header` as a settings file in `folder` (made when missing), named after
// the Bluetooth name of the header and the time `now` ("Gateway-1-2026-12-09-083000.txt", a
// number added when that name is taken), atomically.
CBackupResult WriteSettingsBackup(const std::string& folder, const CSettingsHeader& header,
                                  const CSettingValues& values, std::time_t now);
