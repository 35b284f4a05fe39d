#pragma once

#include <string>
#include <string_view>

#include "ui/Dialog.h"

enum : int { IDD_SETTINGS_PROGRESS = 190, IDC_SETTINGS_PROGRESS_TEXT = 1199 };

// The small window that tells what Save is reading while the queries run (a few seconds):
// a modeless pop-up without buttons, shown by Create and taken away by DestroyWindow. The
// text is repainted with every exchange, while the UI is blocked.
class CSettingsProgressDlg : public CDialog {
public:
    CSettingsProgressDlg();

    void SetText(std::string_view text) { SetDlgItemText(IDC_SETTINGS_PROGRESS_TEXT, text); }
};
