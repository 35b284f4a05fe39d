#pragma once

#include "ui/Dialog.h"

enum : int { IDD_REPEATER_MODE = 152 };

// The Repeater Mode dialog: the station appliance asked for before the appliance is switched
// to Repeater mode. Made for one run.
// Its exchange with the appliance is not written yet: for now it only offers OK and Cancel.
class CRepeaterModeDlg : public CDialog {
public:
    CRepeaterModeDlg();
};
