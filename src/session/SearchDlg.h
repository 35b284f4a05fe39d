#pragma once

#include <memory>
#include <string>
#include <vector>

#include "discovery/DiscoverySearch.h"
#include "ui/Dialog.h"

enum : int {
    IDD_SEARCH = 132,
    IDC_DEVICE_LIST = 1007,
    IDC_SEARCH = 1008,
    IDC_SEARCH_CANCEL = 1067,
    IDC_IP_ADDRESS = 1058,
    IDC_CONTROL_PORT = 1023,
    IDC_CONNECT = 1009,
    ID_DETAIL_INFORMATION = 32771,
};

// The search dialog: finds the appliances on the LAN, lets the operator pick or type one,
// connects and logs in. Owned by the main window and shown modally whenever a search is
// needed; keeps the chosen appliance's device record between showings. Each showing has a
// discovery socket of its own, closed when the window goes.
class CSearchDlg : public CDialog {
public:
    explicit CSearchDlg(CDiscoveryTarget target = {});
    ~CSearchDlg() override;

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnDestroy() override;
    // Enter goes to the focused control; it presses no button of this dialog.
    void OnEnterKey() override {}

    // Sends the discovery request (to the limited broadcast: once on every interface that can
    // carry it) and lists the replies of the second after it, one row per appliance, newest
    // first; an empty list then says where the search looked. False when no request could be
    // sent (the operator has been told). Blocks the UI thread for the second; the windows
    // repaint meanwhile, the list at most every 50 ms while replies pour in. Only while shown.
    bool Discover();

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
    // The user name and password entered last.
    std::string m_strUserID;
    std::string m_strPassword;

private:
    void OnSearch();
    void OnConnect();
    void OnItemChangedList(const CNotification& notification);
    void OnRClickList(const CNotification& notification);
    void OnHeaderDblClick();
    void OnChangeAddress();

    void InsertColumns();
    void InsertRow(const CDeviceRecord& record);
    void CopyRowToRecord(int row);
    std::string DetailText() const;
    // Logs in on a fresh control connection to m_strIP:m_nPort; false when any step failed
    // (the operator has been told).
    bool OpenControlConnection();

    CDiscoveryTarget m_target;
    std::unique_ptr<CDiscoverySearch> m_pSearch;
};
