#pragma once

#include "ui/Dialog.h"

enum : int { IDD_REBOOT = 143, IDC_REBOOT_ANIMATION = 1078, IDR_REBOOT_CLIP = 146 };

// The progress window shown while the appliance reboots: a pop-up without a parent or a
// title bar, centred, with a looping animation. Created modeless by the Information page for
// the length of the reboot and destroyed by it; UI thread only.
class CRebootDlg : public CDialog {
public:
    CRebootDlg();
    // Takes the window away while this class still handles its destruction.
    ~CRebootDlg() override;

    bool OnInitDialog() override;
    void OnDestroy() override;
};
