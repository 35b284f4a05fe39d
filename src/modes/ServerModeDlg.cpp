#include "modes/ServerModeDlg.h"

namespace {

const CDialogResource& ServerModeDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_SERVER_MODE,
        "Server Mode",
        {184, 168},
        "System",
        10,
        {
            {IDOK, ControlKind::PushButton, "OK", DlgRect(70, 147, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(127, 147, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CServerModeDlg::CServerModeDlg() : CDialog(ServerModeDlgResource()) {}
