#include "cli/TargetLoad.h"

#include <algorithm>

#include "appliance/ApplianceSettings.h"
#include "appliance/IApplianceExchange.h"
#include "appliance/ModeReplies.h"
#include "appliance/SettingsLoad.h"
#include "ui/Text.h"

namespace {

constexpr const char* kNothingSent = " Nothing was sent.";

const CSettingEntry& At(const CSettingValues& values, SettingId id) {
    return values[static_cast<size_t>(SettingIndex(id))];
}

bool Holds(const std::vector<SettingId>& ids, SettingId id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

struct CFirmware {
    std::string text = "1.0";
    int number = 256; // major × 256 + minor, as the Information page computes it
};

// The Information page's reading of "Ver": the text from its ninth character when the reply
// holds "+OK", otherwise version 1.0.
CFirmware FirmwareFromReply(const std::string& reply) {
    CFirmware firmware;
    if (Find(reply, "+OK") < 0)
        return firmware;
    const std::string version = Mid(reply, 8);
    auto digit = [&](int at) {
        const std::string character = Mid(version, at, 1);
        return character.empty() ? 0 : character[0] - '0';
    };
    firmware.text = Trim(version);
    firmware.number = digit(0) * 256 + (digit(2) & 0xFF);
    return firmware;
}

// Why the appliance cannot run the mode `line` sets ("mode hub"), as the Operation Mode page
// disables its button; empty when it can. Without a model code (no discovery record) an
// appliance that lacks the serial port refuses "mode rs232" itself.
std::string ModeRefusal(std::string_view line, int firmwareVersion, std::string_view modelCode) {
    for (int index = 0; !ModeWord(index).empty(); ++index)
        if (ModeWord(index) == CommandArguments(line))
            return ModeUnavailableReason(index, firmwareVersion, modelCode);
    return "";
}

CTargetOutcome Stopped(CTargetOutcome outcome, std::string reason) {
    outcome.result = TargetResult::Stopped;
    outcome.reason = std::move(reason);
    return outcome;
}

CSettingChange Change(SettingId id, const CSettingValues& from, const CSettingValues& to) {
    return {std::string(SettingInfo(id).label), DisplayValue(id, At(from, id).lines),
            DisplayValue(id, At(to, id).lines)};
}

} // namespace

std::optional<std::vector<SettingId>> SettingsNamedBy(const std::vector<std::string>& words) {
    std::vector<SettingId> ids;
    for (const std::string& word : words) {
        bool named = false;
        for (const CSettingInfo& info : SettingCatalogue()) {
            if (MakeUpper(info.word) != MakeUpper(word))
                continue;
            named = true;
            if (!Holds(ids, info.id))
                ids.push_back(info.id);
        }
        if (!named)
            return std::nullopt;
    }
    return ids;
}

CTargetOutcome LoadIntoAppliance(IApplianceExchange& appliance, const CSettingValues& file,
                                 const CLoadChoice& choice, std::string_view modelCode,
                                 const BackupWriter& backup, const LoadProgress& progress) {
    CTargetOutcome outcome;
    progress("Reading the version");
    const std::string version = appliance.SendCommand("Ver\r\n", 1);
    if (version.empty())
        return Stopped(outcome, "Get Version is timeout. Check Velmora42 and Try again." +
                                    std::string(kNothingSent));
    const CFirmware firmware = FirmwareFromReply(version);
    auto reading = [&](const CSettingInfo& info) {
        progress("Reading " + std::string(info.label));
    };
    const CReadSettingsResult now = ReadApplianceSettings(appliance, reading);
    if (!now.ok())
        return Stopped(outcome, now.Message() + kNothingSent);
    if (const CSettingEntry& name = At(now.values, SettingId::BtName); name.present)
        outcome.name = std::string(CommandArguments(name.lines.front()));

    std::vector<SettingId> chosen;
    for (const CSettingInfo& info : SettingCatalogue()) {
        const CSettingEntry& held = At(now.values, info.id);
        const CSettingEntry& wanted = At(file, info.id);
        if (!held.present || !wanted.present || SameSetting(info.id, held, wanted))
            continue;
        if (!choice.m_only.empty() && !Holds(choice.m_only, info.id))
            continue;
        const std::string label(info.label);
        const std::string refusal =
            info.id == SettingId::Mode
                ? ModeRefusal(wanted.lines.front(), firmware.number, modelCode)
                : "";
        if (info.id == SettingId::BtName && !choice.m_bWithName)
            outcome.leftAlone.push_back(label + ": sent only with --with-name");
        else if (!refusal.empty())
            outcome.leftAlone.push_back(label + ": " + refusal);
        else
            chosen.push_back(info.id);
    }
    if (Holds(chosen, SettingId::Mode)) {
        progress("Reading the Bluetooth connections");
        const ConnectionCheck connections = CheckConnections(appliance);
        if (connections == ConnectionCheck::TimedOut)
            return Stopped(outcome, std::string(kConnectionTimeout) + kNothingSent);
        if (connections == ConnectionCheck::Active) {
            chosen.pop_back(); // the mode, the catalogue's last setting
            outcome.leftAlone.push_back(std::string(SettingInfo(SettingId::Mode).label) +
                                        ": a Bluetooth connection to Velmora42 is active");
        }
    }
    if (chosen.empty()) {
        outcome.result = TargetResult::Unchanged;
        return outcome;
    }
    if (choice.m_bDryRun) {
        for (SettingId id : chosen)
            outcome.changed.push_back(Change(id, now.values, file));
        outcome.result = TargetResult::WouldApply;
        return outcome;
    }

    progress("Writing the backup");
    const CBackupFile written = backup(now.values, firmware.text);
    if (!written.error.empty())
        return Stopped(outcome, "The backup could not be written: " + written.error + kNothingSent);
    outcome.backupFile = written.path;

    const CApplyResult applied =
        ApplySettings(appliance, now.values, file, chosen,
                      [&](std::string_view line) { progress("Sending " + std::string(line)); });
    for (SettingId id : applied.applied)
        outcome.changed.push_back(Change(id, now.values, file));
    outcome.result = applied.ok() ? TargetResult::Applied : TargetResult::Stopped;
    outcome.stopLine = applied.stopLine;
    outcome.reason = applied.failure;
    if (applied.timedOut)
        // The connection is in doubt after a time-out: nothing more is asked on it.
        return outcome;

    const CReadSettingsResult readBack = ReadApplianceSettings(
        appliance, [&](const auto& info) { progress("Reading back " + std::string(info.label)); });
    if (!readBack.ok()) {
        outcome.readBackOtherwise.push_back(readBack.Message());
        return outcome;
    }
    for (SettingId id : applied.applied)
        if (!SameSetting(id, At(readBack.values, id), At(file, id)))
            outcome.readBackOtherwise.push_back(std::string(SettingInfo(id).label) + ": sent " +
                                                DisplayValue(id, At(file, id).lines) + ", reads " +
                                                DisplayValue(id, At(readBack.values, id).lines));
    return outcome;
}
