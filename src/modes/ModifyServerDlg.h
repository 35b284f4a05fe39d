#pragma once

#include <string>

#include "ui/Dialog.h"

class CClientModeDlg;
class CIpAddressCtrl;

enum : int {
    IDD_MODIFY_SERVER = 148,
    IDC_MODIFY_SERVER_PORT = 1023,
    IDC_MODIFY_SERVER_NAME = 1030,
    IDC_MODIFY_SERVER_IP = 1058,
};

// The Modify Server dialog: changes the server entry of the Client Mode dialog's row being
// modified, by deleting the entry on the appliance and adding it anew. Made for one run by
// the Client Mode dialog, which updates its row once this dialog ends with OK. "Modify"
// blocks the UI thread for its exchanges.
class CModifyServerDlg : public CDialog {
public:
    // `table` is the Client Mode dialog that opened this one, with the row being modified in
    // its m_nSelItem, m_strSelName, m_selAddr and m_strSelPort; it outlives the run.
    explicit CModifyServerDlg(const CClientModeDlg& table);

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;

    std::string m_strBdaddrName;
    CIpAddressCtrl& m_ipServer;
    std::string m_strServerIP;
    std::string m_strServerPort;
    // Set when the appliance lost the entry: deleted, and neither the new nor the old values
    // taken back. The dialog then ends with Cancel, and the row has to go.
    bool m_bEntryLost = false;

private:
    // The message for a missing or duplicate input, empty when the entry may be changed.
    std::string CheckInput() const;

    const CClientModeDlg& m_table;
};
