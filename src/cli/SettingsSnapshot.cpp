#include "cli/SettingsSnapshot.h"

#include <ctime>

#include "appliance/ApplianceSettings.h"
#include "appliance/SettingsFile.h"
#include "appliance/SettingsHeader.h"
#include "cli/ApplianceSearch.h"
#include "cli/CliOptions.h"
#include "cli/CommandSupport.h"
#include "discovery/UnicastAddresses.h"
#include "ui/Text.h"

namespace {

// An appliance answers its discovery request within milliseconds; the manager's window of a
// second is for many to answer a broadcast.
constexpr int kRecordWindowMs = 300;

// The firmware version as the Information page shows it: the "Ver" reply after "+OK Ver ",
// or "1.0" for a reply without "+OK".
std::string FirmwareFromReply(const std::string& reply) {
    return Find(reply, "+OK") >= 0 ? Trim(Mid(reply, 8)) : std::string("1.0");
}

// The record discovery gives for the target, as the manager's search dialog keeps it for the
// address typed: asked of the target's address when no discovery found the target, the one
// answering for its address and control port (else for its address alone); nothing when
// none does or the address is a host name.
std::optional<CDeviceRecord> RecordOf(const CTarget& target, const CGlobalOptions& options) {
    if (target.m_record)
        return target.m_record;
    if (!UnicastAddresses(target.m_strHost))
        return std::nullopt;
    const CApplianceSearch search = SearchAppliances(options, {target.m_strHost}, kRecordWindowMs);
    std::optional<CDeviceRecord> found;
    for (const CDeviceRecord& record : search.records)
        if (record.ipAddress == target.m_strHost &&
            (!found || LeadingInt(record.controlPort) == target.m_nPort))
            found = record;
    return found;
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
    identity.ipAddress = target.m_strHost;
    if (const std::optional<CDeviceRecord> record = RecordOf(target, options)) {
        identity.btName = record->btName;
        identity.macAddress = record->macAddress;
        identity.modelCode = record->modelCode;
    }
    identity.firmware = FirmwareFromReply(version);
    return WriteSettingsFile(MakeSettingsHeader(read.values, identity, std::time(nullptr)),
                             read.values);
}
