#include "settings/SettingsTransfer.h"

#include <ctime>
#include <fstream>

#include "appliance/ApplianceSettings.h"
#include "appliance/AtomicFile.h"
#include "appliance/SettingsBackup.h"
#include "appliance/SettingsFile.h"
#include "appliance/SettingsHeader.h"
#include "appliance/SettingsLoad.h"
#include "pages/InformationPage.h"
#include "session/ManagerExchange.h"
#include "session/ManagerWindow.h"
#include "settings/LoadSettingsDlg.h"
#include "settings/SettingsProgressDlg.h"
#include "ui/Application.h"
#include "ui/Text.h"

namespace {

constexpr const char* kFileFilter = "Settings files (*.txt);;All files (*)";

// Reads every setting while a progress window tells which one.
CReadSettingsResult ReadWithProgress() {
    CSettingsProgressDlg progress;
    progress.Create();
    CManagerExchange appliance(GetManagerWindow());
    const CReadSettingsResult read =
        ReadApplianceSettings(appliance, [&](const CSettingInfo& info) {
            progress.SetText(std::string(info.label) + " ...");
        });
    progress.DestroyWindow();
    return read;
}

// Tells why the settings could not be read; a time-out replaces the connection.
void ReportReadFailure(CDialog& owner, const CReadSettingsResult& read, std::string_view what) {
    const std::string message = read.Message() + "\n" + std::string(what);
    if (read.timedOut)
        GetManagerWindow().ReportAndReconnect(owner, message);
    else
        owner.MessageBox(message);
}

std::string FirmwareText(CManagerWindow& main) {
    if (const auto* info =
            dynamic_cast<const CInformationPage*>(main.FindPage(IDD_INFORMATION_PAGE));
        info && !info->m_strVersion.empty())
        return Trim(info->m_strVersion);
    return std::to_string(main.m_nFirmwareVersion >> 8) + "." +
           std::to_string(main.m_nFirmwareVersion & 0xFF);
}

CApplianceIdentity IdentityOf(CManagerWindow& main) {
    return {main.m_searchDlg.m_strBtName, main.m_searchDlg.m_strIPAddress,
            main.m_searchDlg.m_strMACAddress, main.m_searchDlg.m_strModelCode, FirmwareText(main)};
}

} // namespace

void SaveSettings(CDialog& owner) {
    CManagerWindow& main = GetManagerWindow();
    const CReadSettingsResult read = ReadWithProgress();
    if (!read.ok()) {
        ReportReadFailure(owner, read, "Nothing was saved.");
        return;
    }
    const std::time_t now = std::time(nullptr);
    const CSettingsHeader header = MakeSettingsHeader(read.values, IdentityOf(main), now);
    const std::string path = Application().Backend().ChooseFile(
        &owner, FileChoice::Save, "Save Settings",
        DefaultSettingsFileName(header.btName, LocalTimeText("%Y-%m-%d", now)), kFileFilter);
    if (path.empty())
        return;
    const std::string error = WriteFileAtomically(path, WriteSettingsFile(header, read.values));
    if (!error.empty()) {
        owner.MessageBox("The settings could not be written to " + path + " (" + error +
                         "). Nothing was written: the file is as it was.");
        return;
    }
    owner.MessageBox("The settings of " + header.btName + " were saved to " + path + "." +
                     read.LeftOutText());
}

void LoadSettings(CDialog& owner) {
    const std::string path = Application().Backend().ChooseFile(&owner, FileChoice::Open,
                                                                "Load Settings", "", kFileFilter);
    if (path.empty())
        return;
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        owner.MessageBox("The file " + path + " could not be read.");
        return;
    }
    // One byte more than a settings file may hold is enough to refuse a larger one.
    std::string text(kMaxSettingsFile + 1, '\0');
    stream.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(stream.gcount()));
    const CSettingsFileResult file = ReadSettingsFile(text);
    if (!file.ok()) {
        owner.MessageBox("The settings file " + path + " cannot be loaded.\n" + file.error);
        return;
    }
    const CReadSettingsResult now = ReadWithProgress();
    if (!now.ok()) {
        ReportReadFailure(owner, now, "Nothing was sent.");
        return;
    }
    // Such an entry is neither compared, released nor in the backup: the operator should know.
    if (!now.leftOut.empty())
        owner.MessageBox("Velmora42 holds table entries a load cannot compare or back up; it "
                         "leaves them as they are." +
                         now.LeftOutText());
    // The connections matter only when the load would change the mode.
    const CSettingEntry& nowMode = now.values[static_cast<size_t>(SettingIndex(SettingId::Mode))];
    const CSettingEntry& fileMode = file.values[static_cast<size_t>(SettingIndex(SettingId::Mode))];
    const bool modeChanges =
        nowMode.present && fileMode.present && !SameSetting(SettingId::Mode, nowMode, fileMode);
    CManagerExchange appliance(GetManagerWindow());
    const ConnectionCheck connections =
        modeChanges ? CheckConnections(appliance) : ConnectionCheck::None;
    if (connections == ConnectionCheck::TimedOut) {
        GetManagerWindow().ReportAndReconnect(owner, std::string(kConnectionTimeout) +
                                                         "\nNothing was sent.");
        return;
    }
    CLoadSettingsDlg dialog(
        now.values, file.values, connections == ConnectionCheck::Active,
        MakeSettingsHeader(now.values, IdentityOf(GetManagerWindow()), std::time(nullptr)),
        DefaultBackupFolder());
    dialog.DoModal();
}
