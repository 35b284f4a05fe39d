#pragma once

#include "ui/Dialog.h"

enum : int { IDD_CLIENT_SETTING = 142 };

// The Client Setting dialog: the host address and port asked for before the appliance is
// switched to Client mode. A member of the Operation Mode page, so its values last between
// openings.
// Its exchange with the appliance is not written yet: for now it only offers OK and Cancel.
class CClientSettingDlg : public CDialog {
public:
    CClientSettingDlg();
};
