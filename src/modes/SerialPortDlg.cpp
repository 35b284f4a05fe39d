#include "modes/SerialPortDlg.h"

namespace {

const CDialogResource& SerialPortDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_SERIAL_PORT,
        "Serial Port Setup",
        {202, 104},
        "System",
        10,
        {
            {IDOK, ControlKind::PushButton, "OK", DlgRect(88, 83, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(145, 83, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CSerialPortDlg::CSerialPortDlg() : CDialog(SerialPortDlgResource()) {}
