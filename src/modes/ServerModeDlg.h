#pragma once

#include "ui/Dialog.h"

enum : int { IDD_SERVER_MODE = 134 };

// The Server Mode dialog: the default data port, socket keeping, TCP keep-alive and the
// registered Bluetooth devices. A member of the Operation Mode page, opened again and again,
// so its values last between openings.
// Its exchange with the appliance is not written yet: for now it only offers OK and Cancel.
class CServerModeDlg : public CDialog {
public:
    CServerModeDlg();
};
