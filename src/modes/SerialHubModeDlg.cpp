#include "modes/SerialHubModeDlg.h"

namespace {

const CDialogResource& SerialHubModeDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_SERIAL_HUB_MODE,
        "Serial Hub Mode",
        {225, 152},
        "System",
        10,
        {
            {IDOK, ControlKind::PushButton, "OK", DlgRect(111, 131, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(168, 131, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CSerialHubModeDlg::CSerialHubModeDlg() : CDialog(SerialHubModeDlgResource()) {}
