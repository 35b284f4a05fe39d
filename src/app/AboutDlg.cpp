#include "app/AboutDlg.h"

namespace {

const CDialogResource& AboutDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_ABOUTBOX,
        "Velmora42 Manager Info",
        {235, 55},
        "Arial",
        9,
        {
            {-1, ControlKind::Icon, "145", DlgRect(11, 17, 20, 20)},
            {-1, ControlKind::Static, "Velmora42 Manager ver 1.2", DlgRect(40, 10, 119, 8)},
            {IDOK, ControlKind::PushButton, "OK", DlgRect(178, 7, 50, 14), DefaultButton},
        },
    };
    return resource;
}

} // namespace

CAboutDlg::CAboutDlg() : CDialog(AboutDlgResource()) {}
