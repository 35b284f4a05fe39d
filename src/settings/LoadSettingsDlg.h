#pragma once

#include <string>
#include <vector>

#include "appliance/SettingCatalogue.h"
#include "ui/Dialog.h"

enum : int {
    IDD_LOAD_SETTINGS = 191,
    // One row per setting of the catalogue, by its index: a check box with its name, what the
    // appliance holds, what the file holds, and the row's state.
    IDC_LOAD_CHOICE_FIRST = 1200,
    IDC_LOAD_NOW_FIRST = 1230,
    IDC_LOAD_FILE_FIRST = 1260,
    IDC_LOAD_STATE_FIRST = 1290,
    IDC_LOAD_NOTE = 1320,
};

// The load window: before anything is sent, each setting with the value now on the
// appliance and the value in the file, the changed ones marked and chosen by check boxes
// (all on but the Bluetooth name); "Load" sends the chosen ones, tells what happened, and
// shows what the appliance reads back. Modal; every exchange blocks the UI thread.
class CLoadSettingsDlg : public CDialog {
public:
    // `now` as read from the appliance, `file` as read from the settings file;
    // `connectionActive`: a Bluetooth connection is up, so the mode is left alone.
    CLoadSettingsDlg(CSettingValues now, CSettingValues file, bool connectionActive);

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

    // The settings chosen now, in the catalogue's order.
    std::vector<SettingId> Chosen() const;

private:
    void ShowRows();
    // `stopped`: a refusal ended the load before every chosen setting was sent.
    void ShowReadBack(const CSettingValues& readBack, const std::vector<SettingId>& applied,
                      bool stopped);
    void RefreshPages();

    CSettingValues m_now;
    CSettingValues m_file;
    bool m_bConnectionActive;
};
