#include "modes/ClientSettingDlg.h"

namespace {

const CDialogResource& ClientSettingDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_CLIENT_SETTING,
        "Client Setting",
        {156, 69},
        "System",
        10,
        {
            {IDOK, ControlKind::PushButton, "OK", DlgRect(42, 48, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(99, 48, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CClientSettingDlg::CClientSettingDlg() : CDialog(ClientSettingDlgResource()) {}
