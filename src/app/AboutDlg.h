#pragma once

#include "ui/Dialog.h"

enum : int { IDD_ABOUTBOX = 100 };

// The About box: the application icon, the name and version, and OK.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
