#pragma once

#include "ui/Dialog.h"

enum : int { IDD_CLIENT_MODE = 135 };

// The Client Mode dialog: the host, the re-connection interval and the server table. A member
// of the Operation Mode page, opened again and again, so its values last between openings.
// Its exchange with the appliance is not written yet: for now it only offers OK and Cancel.
class CClientModeDlg : public CDialog {
public:
    CClientModeDlg();
};
