#pragma once

#include <optional>
#include <string>

#include "cli/CliSession.h"

class CGlobalOptions;

// An appliance's settings as the settings file text the manager's Save writes for it: logs
// in, reads the firmware version and every setting, and writes the file with its header.
// Nothing when any step fails; the reason, with the target, is then on stderr.
std::optional<std::string> ReadSettingsSnapshot(const CTarget& target,
                                                const CCredentials& credentials,
                                                const CGlobalOptions& options);
