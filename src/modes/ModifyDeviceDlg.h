#pragma once

#include <string>

#include "ui/Dialog.h"

class CServerModeDlg;

enum : int {
    IDD_MODIFY_DEVICE = 140,
    IDC_MODIFY_BDADDR_NAME = 1030,
    IDC_MODIFY_PORT = 1023,
};

// The Modify Device dialog: changes the device or the port of the registration selected in
// the Server Mode dialog that opened it, by releasing it ("Rele") and registering it anew
// ("Bind"). Made for one run; ends with OK once both were accepted. UI thread; every
// exchange blocks it.
class CModifyDeviceDlg : public CDialog {
public:
    // `server` owns the table and the selected row's values; it outlives this dialog.
    explicit CModifyDeviceDlg(CServerModeDlg& server);

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;

    std::string m_strBdaddrName;
    std::string m_strPortNumber;
    // Set, and the dialog ended with Cancel, when the appliance took the release but neither
    // the new registration nor the old one sent back: the row no longer stands for anything.
    bool m_bRegistrationLost = false;

private:
    // The row has the port its release needs, the fields are given and they name no other
    // row's device or port; false once told.
    bool CheckFields();

    CServerModeDlg& m_server;
};
