#pragma once

#include "controls/MaskedEdit.h"
#include "ui/Dialog.h"

enum : int { IDD_REPEATER_MODE = 152, IDC_REPEATER_STATION = 1095 };

// The Repeater Mode dialog: the Bluetooth address of the station appliance, asked for before
// the appliance is switched to Repeater mode. Made for one run. It reads the station address
// in its constructor, before its window exists; both exchanges block the UI thread.
class CRepeaterModeDlg : public CDialog {
public:
    CRepeaterModeDlg();

    // Sends "station " + the typed address; closes with OK once the appliance takes it.
    void OnOK() override;

    CMaskedEdit m_editStation;
};
