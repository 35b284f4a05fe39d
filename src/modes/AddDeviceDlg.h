#pragma once

#include <string>

#include "controls/MaskedEdit.h"
#include "ui/Dialog.h"

class CServerModeDlg;

enum : int {
    IDD_ADD_DEVICE = 137,
    IDC_ADD_BY_BDADDR = 1049,
    IDC_ADD_BY_NAME = 1050,
    IDC_ADD_BDADDR = 1030,
    IDC_ADD_NAME = 1051,
    IDC_ADD_PORT = 1023,
};

// The Add Device dialog: registers one Bluetooth device, by address or by name, on a port
// with "Bind", after checking it against the device table of the Server Mode dialog that
// opened it. Made for one run; ends with OK once the appliance took the registration. UI
// thread; the exchange blocks it.
class CAddDeviceDlg : public CDialog {
public:
    // `server` owns the table; it outlives this dialog.
    explicit CAddDeviceDlg(CServerModeDlg& server);

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;

    // The address as the appliance takes it: ":" between the pairs whatever the field shows
    // there, "_" on places not typed.
    std::string m_strBdaddr;
    std::string m_strName;
    std::string m_strPortNumber;
    // Set by the radio buttons; by address until "Name" is clicked.
    bool m_bByName = false;
    // The radio group: -1 while neither button was clicked.
    int m_nRadioBdaddr = -1;
    CMaskedEdit m_editBdaddr;

private:
    void OnRadioBdaddr();
    void OnRadioName();
    // The checks of the chosen way, in order: the device is `given`, the port is given, no
    // row has `device` or the port yet. False once one failed and was told.
    bool CheckDevice(bool given, const char* fillMessage, const std::string& device,
                     const char* sameMessage);

    CServerModeDlg& m_server;
};
