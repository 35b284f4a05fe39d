#include "settings/SettingsProgressDlg.h"

namespace {

const CDialogResource& SettingsProgressDlgResource() {
    static const CDialogResource resource{
        IDD_SETTINGS_PROGRESS,
        "Reading Settings",
        {200, 40},
        "Arial",
        9,
        {
            {-1, ControlKind::Static, "Reading the settings of Velmora42...",
             DlgRect(10, 8, 180, 10)},
            {IDC_SETTINGS_PROGRESS_TEXT, ControlKind::Static, "", DlgRect(10, 22, 180, 10)},
        },
    };
    return resource;
}

} // namespace

CSettingsProgressDlg::CSettingsProgressDlg() : CDialog(SettingsProgressDlgResource()) {}
