#pragma once

#include <string>

#include "appliance/FieldLimits.h"
#include "ui/Dialog.h"

class CIpAddressCtrl;

enum : int {
    IDD_CLIENT_SETTING = 142,
    IDC_CLIENT_SETTING_HOST_IP = 1018,
    IDC_CLIENT_SETTING_HOST_PORT = 1074,
};

// The Client Setting dialog: the host address and port the appliance is to connect to, asked
// for before it is switched to Client mode; the Operation Mode page sends the switch only
// when this dialog ends with OK. A member of the page, so its values last between openings.
// Opening reads the host, OK sets it; each exchange blocks the UI thread.
class CClientSettingDlg : public CDialog {
public:
    // The digits the host port field takes.
    static constexpr int kPortLimit = kHostPortDigits;

    CClientSettingDlg();

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;

    CIpAddressCtrl& m_ipHost;
    std::string m_strHostPort;
    std::string m_strHostIP;

private:
    void ReadHost();
};
