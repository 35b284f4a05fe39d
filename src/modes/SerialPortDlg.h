#pragma once

#include "ui/Dialog.h"

enum : int { IDD_SERIAL_PORT = 156 };

// The Serial Port Setup dialog: the line parameters of the RS232 port, asked for before the
// appliance is switched to RS232 mode and offered by Advanced Configuration. Made for one
// run.
// Its exchange with the appliance is not written yet: for now it only offers OK and Cancel.
class CSerialPortDlg : public CDialog {
public:
    CSerialPortDlg();
};
