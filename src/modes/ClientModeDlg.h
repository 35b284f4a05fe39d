#pragma once

#include <string>

#include "modes/IpAddressFields.h"
#include "ui/Dialog.h"

class CIpAddressCtrl;
class CListViewCtrl;

enum : int {
    IDD_CLIENT_MODE = 135,
    IDC_CLIENT_SERVER_LIST = 1007,
    IDC_CLIENT_RECONNECT = 1009,
    IDC_CLIENT_ADD = 1015,
    IDC_CLIENT_DELETE = 1016,
    IDC_CLIENT_MODIFY = 1017,
    IDC_CLIENT_HOST_IP = 1018,
    IDC_CLIENT_HOST_PORT = 1023,
    IDC_CLIENT_APPLY = 1037,
    IDC_CLIENT_INTERVAL = 1052,
    IDC_CLIENT_REFRESH = 1065,
    IDC_CLIENT_CANCEL = 1067,
};

// The Client Mode dialog: the host the appliance connects to, the connection interval, the
// automatic re-connection and the server table. A member of the Operation Mode page, opened
// modally again and again, so its values last between openings; each opening reads the
// appliance anew into an empty table. Every exchange blocks the UI thread.
class CClientModeDlg : public CDialog {
public:
    CClientModeDlg();

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

    // The server table (index, BDADDR/Name, IP:Port); the Add and Modify Server dialogs read its
    // rows and the members of the row being modified.
    const CListViewCtrl& ServerTable() const { return m_listServers; }

    CIpAddressCtrl& m_ipHost;
    std::string m_strHostPort;
    int m_bReconnect = 0;
    std::string m_strInterval = "3000";
    std::string m_strHostIP;
    // What the opening read, for Refresh.
    CDottedAddress m_hostAddrRead{};
    std::string m_strHostPortRead;
    std::string m_strIntervalRead;
    std::string m_strPersistRead;
    CListViewCtrl& m_listServers;
    // Rows read from the appliance at this opening.
    int m_nServerCount = 0;
    // Row of the last item-changed notification; -1 for none since the opening or a Delete.
    int m_nSelItem = -1;
    // The row being modified, for the Modify Server dialog.
    std::string m_strSelName;
    CDottedAddress m_selAddr{};
    std::string m_strSelPort;

private:
    void ReadServers();
    bool ReadInterval();
    void ReadReconnect();
    void OnApply();
    // Sends one of Apply's commands; true when the appliance answered exactly `expected`.
    bool ApplyCommand(const std::string& command, const std::string& expected,
                      const char* timeoutMessage, const char* failureMessage);
    void OnRefresh();
    void OnClickedCancel();
    void OnAdd();
    void OnDelete();
    void OnModify();
    void OnItemChanged(const CNotification& notification);
};
