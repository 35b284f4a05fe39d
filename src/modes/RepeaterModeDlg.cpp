#include "modes/RepeaterModeDlg.h"

namespace {

const CDialogResource& RepeaterModeDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_REPEATER_MODE,
        "Repeater Mode",
        {155, 69},
        "System",
        10,
        {
            {IDOK, ControlKind::PushButton, "OK", DlgRect(41, 48, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(98, 48, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CRepeaterModeDlg::CRepeaterModeDlg() : CDialog(RepeaterModeDlgResource()) {}
