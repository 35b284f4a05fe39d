#include "modes/ClientModeDlg.h"

namespace {

const CDialogResource& ClientModeDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_CLIENT_MODE,
        "Client Mode",
        {205, 230},
        "System",
        10,
        {
            {IDOK, ControlKind::PushButton, "OK", DlgRect(91, 209, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(148, 209, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CClientModeDlg::CClientModeDlg() : CDialog(ClientModeDlgResource()) {}
