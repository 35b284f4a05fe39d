#pragma once

#include <string>
#include <vector>

#include "appliance/SettingCatalogue.h"
#include "appliance/SettingsFile.h"
#include "ui/Dialog.h"
#include "ui/ListViewCtrl.h"

enum : int {
    IDD_LOAD_SETTINGS = 191,
    // One row per setting of the catalogue, by its index: a check box with its name, what the
    // appliance holds, what the file holds, and the row's state.
    IDC_LOAD_CHOICE_FIRST = 1200,
    IDC_LOAD_NOW_FIRST = 1230,
    IDC_LOAD_FILE_FIRST = 1260,
    IDC_LOAD_STATE_FIRST = 1290,
    IDC_LOAD_NOTE = 1320,
    // Every entry of the tables: its table, the entry, what a load does with it.
    IDC_LOAD_ENTRIES = 1321,
};

// The load window: before anything is sent, each setting with the value now on the
// appliance and the value in the file, the changed ones marked and chosen by check boxes
// (all on but the Bluetooth name), and below them every entry of the tables with what a load
// does with it (kept, released, registered, in the order sent); "Load" writes a backup of
// the appliance's settings as read, sends the chosen ones, tells what happened (naming the
// backup), and shows what the appliance reads back. Modal; every exchange blocks the UI
// thread.
class CLoadSettingsDlg : public CDialog {
public:
    // `now` as read from the appliance, `file` as read from the settings file;
    // `connectionActive`: a Bluetooth connection is up, so the mode is left alone; `header`
    // and `backupFolder`: the backup's header and where it is written.
    CLoadSettingsDlg(CSettingValues now, CSettingValues file, bool connectionActive,
                     CSettingsHeader header, std::string backupFolder);

    bool OnInitDialog() override;
    // "Load": sends the chosen settings, reads them back and shows the outcome.
    void OnOK() override;

    // The row states the window shows.
    static constexpr const char* kSame = "same";
    static constexpr const char* kChanged = "changed";
    static constexpr const char* kNotAnnounced = "not announced";
    static constexpr const char* kNotInFile = "not in file";
    static constexpr const char* kConnected = "connected";
    static constexpr const char* kApplied = "applied";
    static constexpr const char* kDiffers = "read back differs";
    // What a load does with a table entry, in the entries list.
    static constexpr const char* kKept = "kept";
    static constexpr const char* kReleased = "released";
    static constexpr const char* kRegistered = "registered";
    static constexpr const char* kLeftAlone = "left alone: not in the file";

    // The settings chosen now, in the catalogue's order.
    std::vector<SettingId> Chosen() const;

private:
    void ShowRows();
    void ShowEntries();
    // The sentence naming the backup, for every message after a load.
    std::string BackupNote() const;
    // `stopped`: a refusal ended the load before every chosen setting was sent.
    void ShowReadBack(const CSettingValues& readBack, const std::vector<SettingId>& applied,
                      bool stopped);
    void RefreshPages();

    CSettingValues m_now;
    CSettingValues m_file;
    bool m_bConnectionActive;
    CSettingsHeader m_header;
    std::string m_strBackupFolder;
    std::string m_strBackupPath;
    CListViewCtrl m_listEntries;
};
