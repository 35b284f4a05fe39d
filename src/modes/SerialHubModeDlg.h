#pragma once

#include "ui/Dialog.h"

enum : int { IDD_SERIAL_HUB_MODE = 153 };

// The Serial Hub Mode dialog: the route generation and the routing table. Made for one run.
// Its exchange with the appliance is not written yet: for now it only offers OK and Cancel.
class CSerialHubModeDlg : public CDialog {
public:
    CSerialHubModeDlg();
};
