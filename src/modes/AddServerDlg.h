#pragma once

#include <string>

#include "appliance/FieldLimits.h"
#include "controls/MaskedEdit.h"
#include "ui/Dialog.h"

class CClientModeDlg;
class CIpAddressCtrl;

enum : int {
    IDD_ADD_SERVER = 147,
    IDC_ADD_SERVER_IP = 1018,
    IDC_ADD_SERVER_PORT = 1023,
    IDC_ADD_SERVER_BDADDR = 1030,
    IDC_ADD_SERVER_BY_BDADDR = 1049,
    IDC_ADD_SERVER_BY_NAME = 1050,
    IDC_ADD_SERVER_NAME = 1051,
};

// The Add Server dialog: one server entry, by Bluetooth address or by name, with its IP
// address and port. Made for one run by the Client Mode dialog, whose table it checks for
// duplicates and which adds the row once this dialog ends with OK. "Add" sends the entry to
// the appliance and blocks the UI thread for that exchange.
class CAddServerDlg : public CDialog {
public:
    // The digits the server port field takes; the Modify Server dialog takes as many.
    static constexpr int kPortLimit = kServerPortDigits;

    // `table` is the Client Mode dialog that opened this one; it outlives the run.
    explicit CAddServerDlg(const CClientModeDlg& table);

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;

    CMaskedEdit m_editBdaddr;
    // The address as the appliance takes it: ":" between the pairs whatever the field shows
    // there, "_" on places not typed.
    std::string m_strBdaddr;
    std::string m_strName;
    CIpAddressCtrl& m_ipServer;
    std::string m_strServerIP;
    std::string m_strServerPort;
    // By name rather than by address; false at the start although no radio button shows it.
    bool m_bByName = false;
    int m_nAddressKind = -1; // the radio group's value, -1: no button selected

private:
    void OnRadioBdaddr();
    void OnRadioName();
    void EnableAddressOrName();
    // The message for a missing or duplicate entry, empty when it may be added.
    std::string CheckEntry() const;
    // The server's IP address and port as the table's IP:Port cell shows them.
    std::string Endpoint() const;

    const CClientModeDlg& m_table;
};
