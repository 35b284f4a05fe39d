#pragma once

#include <string>

#include "ui/Dialog.h"

enum : int {
    IDD_SEARCH = 132,
    IDC_DEVICE_LIST = 1007,
    IDC_SEARCH = 1008,
    IDC_SEARCH_CANCEL = 1067,
    IDC_IP_ADDRESS = 1058,
    IDC_CONTROL_PORT = 1023,
    IDC_CONNECT = 1009,
};

// Where the discovery request goes: the broadcast address and port of the appliances.
struct CDiscoveryTarget {
    std::string address = "255.255.255.255";
    int port = 9097;
};

// The search dialog: finds the appliances on the LAN, lets the operator pick or type one,
// connects and logs in. Owned by the main window and shown modally whenever a search is
// needed; keeps the chosen appliance's device record between showings.
class CSearchDlg : public CDialog {
public:
    explicit CSearchDlg(CDiscoveryTarget target = {});

    bool OnInitDialog() override;

    // The chosen appliance's device record.
    std::string m_strBtName;
    std::string m_strModelCode;
    std::string m_strSerialNumber;
    std::string m_strIPAddress;
    std::string m_strControlPort;
    std::string m_strMACAddress;
    std::string m_strProductName;
    std::string m_strBdAddr;
    int m_nSelItem = -1;
    // The address and port of the control connection.
    std::string m_strIP;
    std::string m_strPort;
    int m_nPort = 0;

private:
    void OnConnect();

    CDiscoveryTarget m_target;
};
