#include "settings/LoadSettingsDlg.h"

#include "appliance/ApplianceSettings.h"
#include "appliance/ModeReplies.h"
#include "appliance/SettingsBackup.h"
#include "appliance/SettingsLoad.h"
#include "modes/ModePage.h"
#include "pages/BluetoothPage.h"
#include "pages/NeighborhoodsPage.h"
#include "session/ManagerExchange.h"
#include "session/ManagerWindow.h"
#include "ui/ButtonCtrl.h"
#include "ui/Text.h"

#include <ctime>

namespace {

constexpr int kTop = 22;
constexpr int kRowHeight = 11;
// The columns: check box with the setting's name, the appliance's value, the file's value,
// the row's state.
constexpr int kNameX = 7;
constexpr int kNameWidth = 135;
constexpr int kNowX = 145;
constexpr int kFileX = 298;
constexpr int kValueWidth = 150;
constexpr int kStateX = 451;
constexpr int kStateWidth = 70;
constexpr int kWidth = 528;
constexpr int kEntriesHeight = 84;
// A value cell shows this many characters at most; a longer value ends in "...".
constexpr int kCellChars = 30;

std::string CellText(const std::string& value) {
    return Length(value) <= kCellChars ? value : Left(value, kCellChars - 3) + "...";
}

const CDialogResource& LoadSettingsDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource = [] {
        CDialogResource r{IDD_LOAD_SETTINGS, "Load Settings", {kWidth, 0}, "Arial", 9, {}, false};
        auto add = [&r](int id, ControlKind kind, std::string label, CRect rect,
                        unsigned style = None) {
            r.controls.push_back({id, kind, std::move(label), rect, style});
        };
        add(-1, ControlKind::Static, "Setting", DlgRect(kNameX, 8, kNameWidth, 10));
        add(-1, ControlKind::Static, "On Velmora42", DlgRect(kNowX, 8, kValueWidth, 10));
        add(-1, ControlKind::Static, "In the file", DlgRect(kFileX, 8, kValueWidth, 10));
        for (int i = 0; i < kSettingCount; ++i) {
            const CSettingInfo& info = SettingCatalogue()[static_cast<size_t>(i)];
            const int y = kTop + i * kRowHeight;
            add(IDC_LOAD_CHOICE_FIRST + i, ControlKind::CheckBox, std::string(info.label),
                DlgRect(kNameX, y, kNameWidth, 10));
            add(IDC_LOAD_NOW_FIRST + i, ControlKind::Static, "",
                DlgRect(kNowX, y + 1, kValueWidth, 9));
            add(IDC_LOAD_FILE_FIRST + i, ControlKind::Static, "",
                DlgRect(kFileX, y + 1, kValueWidth, 9));
            add(IDC_LOAD_STATE_FIRST + i, ControlKind::Static, "",
                DlgRect(kStateX, y + 1, kStateWidth, 9));
        }
        const int rows = kTop + kSettingCount * kRowHeight;
        add(IDC_LOAD_ENTRIES, ControlKind::ListView, "",
            DlgRect(7, rows + 4, kWidth - 14, kEntriesHeight),
            NoSortHeader | GridLines | FullRowSelect | ShowSelectionAlways);
        const int bottom = rows + kEntriesHeight + 4;
        add(IDC_LOAD_NOTE, ControlKind::Static, "", DlgRect(7, bottom + 4, kWidth - 14, 18));
        add(IDOK, ControlKind::PushButton, "Load", DlgRect(kWidth - 114, bottom + 26, 50, 14),
            DefaultButton);
        add(IDCANCEL, ControlKind::PushButton, "Close", DlgRect(kWidth - 57, bottom + 26, 50, 14));
        r.size = {kWidth, bottom + 47};
        return r;
    }();
    return resource;
}

const CSettingEntry& At(const CSettingValues& values, int index) {
    return values[static_cast<size_t>(index)];
}

// Why the appliance cannot run the mode `line` sets ("mode hub"), as the Operation Mode page
// disables its button; empty when it can.
std::string ModeRefusal(std::string_view line) {
    const CManagerWindow& main = GetManagerWindow();
    for (int index = 0; !ModeWord(index).empty(); ++index)
        if (ModeWord(index) == CommandArguments(line))
            return ModeUnavailableReason(index, main.m_nFirmwareVersion,
                                         main.m_searchDlg.m_strModelCode);
    return "";
}

} // namespace

CLoadSettingsDlg::CLoadSettingsDlg(CSettingValues now, CSettingValues file, bool connectionActive,
                                   CSettingsHeader header, std::string backupFolder)
    : CDialog(LoadSettingsDlgResource()), m_now(std::move(now)), m_file(std::move(file)),
      m_bConnectionActive(connectionActive), m_header(std::move(header)),
      m_strBackupFolder(std::move(backupFolder)),
      m_listEntries(*this, *LoadSettingsDlgResource().Find(IDC_LOAD_ENTRIES)) {
    BindControl(m_listEntries);
}

bool CLoadSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_listEntries.InsertColumn(0, "Table", ColumnAlign::Left, 190);
    m_listEntries.InsertColumn(1, "Entry", ColumnAlign::Left, 320);
    m_listEntries.InsertColumn(2, "What Load does", ColumnAlign::Left, 360);
    ShowRows();
    return true;
}

void CLoadSettingsDlg::ShowEntries() {
    m_listEntries.DeleteAllItems();
    auto add = [this](const CSettingInfo& info, const std::string& entry, std::string action) {
        const int row = m_listEntries.InsertItem(m_listEntries.GetItemCount(), info.label);
        m_listEntries.SetItemText(row, 1, DisplayValue(info.id, {entry}));
        m_listEntries.SetItemText(row, 2, action);
    };
    for (const CSettingInfo& info : SettingCatalogue()) {
        const CSettingEntry& now = At(m_now, SettingIndex(info.id));
        const CSettingEntry& file = At(m_file, SettingIndex(info.id));
        if (!info.table || !now.present)
            continue;
        if (!file.present) {
            for (const std::string& entry : now.lines)
                add(info, entry, kLeftAlone);
            continue;
        }
        for (const CTableStep& step : TablePlan(info.id, now, file))
            add(info, step.entry,
                step.action == TableAction::Keep      ? std::string(kKept)
                : step.action == TableAction::Release ? std::string(kReleased) + ": " + step.command
                                                      : std::string(kRegistered));
    }
    m_listEntries.SetEmptyText("No table entries on Velmora42 or in the file.");
}

std::string CLoadSettingsDlg::BackupNote() const {
    return "The settings as read before the load are in " + m_strBackupPath + ".";
}

void CLoadSettingsDlg::ShowRows() {
    bool modeLeftAlone = false;
    for (int i = 0; i < kSettingCount; ++i) {
        const CSettingInfo& info = SettingCatalogue()[static_cast<size_t>(i)];
        const CSettingEntry& now = At(m_now, i);
        const CSettingEntry& file = At(m_file, i);
        SetDlgItemText(IDC_LOAD_NOW_FIRST + i,
                       now.present ? CellText(DisplayValue(info.id, now.lines)) : "");
        SetDlgItemText(IDC_LOAD_FILE_FIRST + i,
                       file.present ? CellText(DisplayValue(info.id, file.lines)) : "");
        std::string state = kSame;
        bool choosable = false;
        if (!now.present) {
            state = kNotAnnounced;
        } else if (!file.present) {
            state = kNotInFile;
        } else if (!SameSetting(info.id, now, file)) {
            choosable = true;
            state = kChanged;
            const std::string refusal =
                info.id == SettingId::Mode ? ModeRefusal(file.lines.front()) : "";
            if (!refusal.empty()) {
                choosable = false;
                state = refusal;
            } else if (info.id == SettingId::Mode && m_bConnectionActive) {
                choosable = false;
                state = kConnected;
                modeLeftAlone = true;
            }
        }
        SetDlgItemText(IDC_LOAD_STATE_FIRST + i, state);
        // A clone usually keeps its own name: that change is offered but not chosen.
        Item<CButtonCtrl>(IDC_LOAD_CHOICE_FIRST + i)
            .SetCheck(choosable && info.id != SettingId::BtName ? 1 : 0);
        GetDlgItem(IDC_LOAD_CHOICE_FIRST + i)->EnableWindow(choosable);
    }
    ShowEntries();
    SetDlgItemText(IDC_LOAD_NOTE,
                   modeLeftAlone ? "A Bluetooth connection to Velmora42 is active: the operation "
                                   "mode is left alone. You can't change the operation mode while "
                                   "connected."
                                 : "The checked settings are sent in this order.");
}

std::vector<SettingId> CLoadSettingsDlg::Chosen() const {
    std::vector<SettingId> chosen;
    for (int i = 0; i < kSettingCount; ++i)
        if (Item<CButtonCtrl>(IDC_LOAD_CHOICE_FIRST + i).GetCheck() == 1)
            chosen.push_back(SettingCatalogue()[static_cast<size_t>(i)].id);
    return chosen;
}

void CLoadSettingsDlg::OnOK() {
    std::vector<SettingId> chosen = Chosen();
    if (chosen.empty()) {
        MessageBox("No setting is checked: nothing is sent.");
        return;
    }
    CManagerWindow& main = GetManagerWindow();
    CManagerExchange appliance(main);
    // The connection may have come up since the window opened.
    const ConnectionCheck connections =
        chosen.back() == SettingId::Mode ? CheckConnections(appliance) : ConnectionCheck::None;
    if (connections == ConnectionCheck::TimedOut) {
        SetDlgItemText(IDC_LOAD_NOTE, "The load stopped.");
        main.ReportAndReconnect(*this, std::string(kConnectionTimeout) + "\nNothing was sent.");
        return;
    }
    if (connections == ConnectionCheck::Active) {
        chosen.pop_back();
        MessageBox("A Bluetooth connection to Velmora42 is active: the operation mode is left "
                   "alone.");
    }
    // Before the first set command: whatever stops the load, this file gets the appliance back.
    const CBackupResult backup =
        WriteSettingsBackup(m_strBackupFolder, m_header, m_now, std::time(nullptr));
    if (!backup.ok()) {
        SetDlgItemText(IDC_LOAD_NOTE, "The load stopped.");
        MessageBox("The settings as read could not be backed up (" + backup.error +
                   "). Nothing was sent.");
        return;
    }
    m_strBackupPath = backup.path;
    for (int i = 0; i < kSettingCount; ++i)
        GetDlgItem(IDC_LOAD_CHOICE_FIRST + i)->EnableWindow(false);
    GetDlgItem(IDOK)->EnableWindow(false);

    const CApplyResult applied =
        ApplySettings(appliance, m_now, m_file, chosen, [&](std::string_view line) {
            SetDlgItemText(IDC_LOAD_NOTE, "Sending " + std::string(line) + " ...");
        });
    if (!applied.ok()) {
        SetDlgItemText(IDC_LOAD_NOTE, "The load stopped.");
        if (applied.timedOut) {
            main.ReportAndReconnect(*this, applied.failure + "\n" + BackupNote());
            return;
        }
        MessageBox(applied.failure + "\n" + BackupNote());
    }
    const CReadSettingsResult readBack =
        ReadApplianceSettings(appliance, [&](const CSettingInfo& info) {
            SetDlgItemText(IDC_LOAD_NOTE, "Reading back " + std::string(info.label) + " ...");
        });
    if (!readBack.ok()) {
        SetDlgItemText(IDC_LOAD_NOTE, "The settings could not be read back.");
        if (readBack.timedOut)
            main.ReportAndReconnect(*this, readBack.Message() + "\n" + BackupNote());
        else
            MessageBox(readBack.Message() + "\n" + BackupNote());
        return;
    }
    ShowReadBack(readBack.values, applied.applied, !applied.ok());
    RefreshPages();
}

void CLoadSettingsDlg::ShowReadBack(const CSettingValues& readBack,
                                    const std::vector<SettingId>& applied, bool stopped) {
    std::string differing;
    for (SettingId id : applied) {
        const int i = SettingIndex(id);
        const bool same = SameSetting(id, At(readBack, i), At(m_file, i));
        SetDlgItemText(IDC_LOAD_STATE_FIRST + i, same ? kApplied : kDiffers);
        if (!same)
            differing += "\n" + std::string(SettingInfo(id).label) + ": sent " +
                         DisplayValue(id, At(m_file, i).lines) + ", reads " +
                         DisplayValue(id, At(readBack, i).lines);
    }
    m_now = readBack;
    for (int i = 0; i < kSettingCount; ++i)
        SetDlgItemText(IDC_LOAD_NOW_FIRST + i,
                       At(m_now, i).present
                           ? CellText(DisplayValue(SettingCatalogue()[static_cast<size_t>(i)].id,
                                                   At(m_now, i).lines))
                           : "");
    ShowEntries();
    const std::string summary = std::to_string(applied.size()) + " settings applied.";
    SetDlgItemText(IDC_LOAD_NOTE,
                   (stopped             ? "The load stopped. " + summary
                    : differing.empty() ? summary + " Velmora42 reads back what was sent."
                                        : summary) +
                       "\n" + BackupNote());
    if (!differing.empty())
        MessageBox("Velmora42 reads back other values than were sent:" + differing + "\n" +
                   BackupNote());
}

// The pages that show settings read them again, so that they show what the appliance holds.
void CLoadSettingsDlg::RefreshPages() {
    CManagerWindow& main = GetManagerWindow();
    for (int page : {static_cast<int>(IDD_MODE_PAGE), static_cast<int>(IDD_BLUETOOTH_PAGE),
                     static_cast<int>(IDD_NEIGHBORHOODS_PAGE)})
        if (CTabPage* found = main.FindPage(page))
            found->ReloadValues();
}
