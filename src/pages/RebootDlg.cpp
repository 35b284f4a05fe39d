#include "pages/RebootDlg.h"

#include "ui/AnimationCtrl.h"

namespace {

const CDialogResource& RebootDlgResource() {
    static const CDialogResource resource{
        IDD_REBOOT,
        "",
        {171, 21},
        "System",
        10,
        {
            {IDC_REBOOT_ANIMATION, ControlKind::Animation, "", DlgRect(8, 3, 16, 15)},
            {-1, ControlKind::Static, "Rebooting. . .  Wait a second.", DlgRect(34, 6, 130, 10)},
        },
    };
    return resource;
}

} // namespace

CRebootDlg::CRebootDlg() : CDialog(RebootDlgResource()) {}

CRebootDlg::~CRebootDlg() {
    // Left to the base destructor, the window would go after this class's part is gone, and
    // OnDestroy would not stop the animation.
    DestroyWindow();
}

bool CRebootDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    auto& animation = Item<CAnimationCtrl>(IDC_REBOOT_ANIMATION);
    animation.Open(IDR_REBOOT_CLIP);
    animation.Play();
    return true;
}

void CRebootDlg::OnDestroy() {
    Item<CAnimationCtrl>(IDC_REBOOT_ANIMATION).Stop();
}
