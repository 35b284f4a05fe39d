#include "cli/SettingsSnapshot.h"

#include <ctime>

#include "appliance/ApplianceSettings.h"
#include "appliance/SettingsFile.h"
#include "appliance/SettingsHeader.h"
#include "cli/CliOptions.h"
#include "cli/CommandSupport.h"
#include "ui/Text.h"

namespace {

// The firmware version as the Information page shows it: the "Ver" reply after "+OK Ver ",
// or "1.0" for a reply without "+OK".
std::string FirmwareFromReply(const std::string& reply) {
    return Find(reply, "+OK") >= 0 ? Trim(Mid(reply, 8)) : std::string("1.0");
}

} // namespace

std::optional<std::string> ReadSettingsSnapshot(const CTarget& target,
                                                const CCredentials& credentials,
                                                const CGlobalOptions& options) {
    CCliSession session(options.m_bVerbose);
    if (!OpenSession(session, target, credentials, options))
        return std::nullopt;
    const std::string version = session.SendCommand("Ver\r\n", 1);
    if (version.empty()) {
        PrintError(target.Address() + ": Get Version is timeout. Check Velmora42 and Try again.");
        return std::nullopt;
    }
    const CReadSettingsResult read = ReadApplianceSettings(session);
    if (!read.ok()) {
        PrintError(target.Address() + ": " + read.Message());
        return std::nullopt;
    }
    CApplianceIdentity identity;
    identity.btName = target.m_strName;
    identity.ipAddress = target.m_strHost;
    identity.firmware = FirmwareFromReply(version);
    return WriteSettingsFile(MakeSettingsHeader(read.values, identity, std::time(nullptr)),
                             read.values);
}
