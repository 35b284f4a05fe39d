#include "modes/ClientModeDlg.h"

#include "appliance/ModeReplies.h"
#include "appliance/ServListing.h"
#include "modes/AddServerDlg.h"
#include "modes/DeviceTable.h"
#include "modes/IpAddressFields.h"
#include "modes/ModifyServerDlg.h"
#include "session/ManagerWindow.h"
#include "ui/DataExchange.h"
#include "ui/IpAddressCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/Text.h"

namespace {

constexpr int kPortLimit = 4;

const CDialogResource& ClientModeDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_CLIENT_MODE,
        "Client Mode",
        {205, 230},
        "System",
        10,
        {
            {-1, ControlKind::GroupBox, "HOST Information", DlgRect(7, 5, 191, 46)},
            {-1, ControlKind::Static, "IP Address", DlgRect(16, 19, 40, 8)},
            {IDC_CLIENT_HOST_IP, ControlKind::IpAddress, "", DlgRect(60, 17, 90, 13)},
            {-1, ControlKind::Static, "Port", DlgRect(16, 35, 40, 8)},
            {IDC_CLIENT_HOST_PORT, ControlKind::Edit, "", DlgRect(60, 33, 40, 13), None,
             kPortLimit},
            {IDC_CLIENT_RECONNECT, ControlKind::CheckBox,
             "re-connect automatically if link is lost", DlgRect(10, 56, 185, 10)},
            {-1, ControlKind::Static, "Try to connect to server every  ", DlgRect(10, 73, 108, 8)},
            {IDC_CLIENT_INTERVAL, ControlKind::Edit, "", DlgRect(118, 71, 46, 13)},
            {-1, ControlKind::Static, "ms", DlgRect(168, 73, 14, 8)},
            {IDC_CLIENT_APPLY, ControlKind::PushButton, "Apply", DlgRect(7, 90, 58, 14)},
            {IDC_CLIENT_REFRESH, ControlKind::PushButton, "Refresh", DlgRect(73, 90, 58, 14)},
            {IDC_CLIENT_CANCEL, ControlKind::PushButton, "Cancel", DlgRect(140, 90, 58, 14)},
            {-1, ControlKind::GroupBox, "Server Table", DlgRect(7, 108, 191, 115)},
            {IDC_CLIENT_SERVER_LIST, ControlKind::ListView, "", DlgRect(14, 120, 177, 78),
             GridLines | FullRowSelect},
            {IDC_CLIENT_ADD, ControlKind::PushButton, "Add", DlgRect(14, 203, 54, 14)},
            {IDC_CLIENT_DELETE, ControlKind::PushButton, "Delete", DlgRect(75, 203, 54, 14)},
            {IDC_CLIENT_MODIFY, ControlKind::PushButton, "Modify", DlgRect(137, 203, 54, 14)},
        },
    };
    return resource;
}

} // namespace

CClientModeDlg::CClientModeDlg()
    : CDialog(ClientModeDlgResource()), m_ipHost(Item<CIpAddressCtrl>(IDC_CLIENT_HOST_IP)),
      m_listServers(Item<CListViewCtrl>(IDC_CLIENT_SERVER_LIST)) {
    MessageMap()
        .Clicked(IDC_CLIENT_APPLY, &CClientModeDlg::OnApply)
        .Clicked(IDC_CLIENT_REFRESH, &CClientModeDlg::OnRefresh)
        .Clicked(IDC_CLIENT_CANCEL, &CClientModeDlg::OnClickedCancel)
        .Clicked(IDC_CLIENT_ADD, &CClientModeDlg::OnAdd)
        .Clicked(IDC_CLIENT_DELETE, &CClientModeDlg::OnDelete)
        .Clicked(IDC_CLIENT_MODIFY, &CClientModeDlg::OnModify)
        .Notify(IDC_CLIENT_SERVER_LIST, LVN_ITEMCHANGED, &CClientModeDlg::OnItemChanged);
}

void CClientModeDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_CLIENT_HOST_PORT, m_strHostPort);
    DDX_Check(dx, IDC_CLIENT_RECONNECT, m_bReconnect);
    DDX_Text(dx, IDC_CLIENT_INTERVAL, m_strInterval);
}

bool CClientModeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    InsertTableColumns(m_listServers, "       BDADDR/Name", 170, "                IP:Port ", 183);
    m_nServerCount = 0;
    m_nSelItem = -1; // the table is a new one: no row reported yet
    ReadServers();
    // A failed interval read leaves the re-connect switch unread.
    if (ReadInterval())
        ReadReconnect();
    return true;
}

void CClientModeDlg::ReadServers() {
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Serv\r\n", 1, "Get Server host address is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    if (Left(reply, 4) == "-ERR") {
        MessageBox("Get Server host address is Failed. Try again");
        return;
    }
    // The host line closes what this dialog reads of the listing.
    const CServListing listing = ParseServListing(reply, ServWalk::UntilHostLine);
    for (const CTableEntry& server : listing.servers)
        InsertTableRow(m_listServers, m_nServerCount++, server);
    if (listing.host) {
        m_hostAddrRead = listing.host->address;
        ShowAddress(m_ipHost, m_hostAddrRead);
        m_strHostPortRead = m_strHostPort = listing.host->port;
    }
    UpdateData(false);
    if (listing.imperfect)
        MessageBox(" Get Server Devices is imperfect. Try again");
}

bool CClientModeDlg::ReadInterval() {
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Rept\r\n", 0,
        "Get Connection interval time is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return false;
    const std::optional<std::string> interval = RepeatIntervalFromReply(reply);
    if (!interval) {
        MessageBox("Get Connection interval time is Failed. Try again");
        return false;
    }
    m_strInterval = m_strIntervalRead = *interval;
    return true;
}

void CClientModeDlg::ReadReconnect() {
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Psist\r\n", 0, "Get re-Connect status is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    const std::optional<std::string> persist = PersistFromReply(reply);
    if (!persist) {
        MessageBox("Get re-Connect status is Failed. Try again");
        return;
    }
    m_strPersistRead = *persist;
    m_bReconnect = m_strPersistRead == "on" ? 1 : 0;
    UpdateData(false);
}

void CClientModeDlg::OnApply() {
    m_strHostPort = GetDlgItemText(IDC_CLIENT_HOST_PORT);
    m_strInterval = GetDlgItemText(IDC_CLIENT_INTERVAL);
    if (const std::string missing = MissingEndpointMessage(m_ipHost, m_strHostPort, "HOST");
        !missing.empty()) {
        MessageBox(missing);
        return;
    }
    if (m_strInterval.empty()) {
        MessageBox("Fill the Connection interval time");
        return;
    }
    m_strHostIP = FormatDottedAddress(m_ipHost);
    if (!UpdateData(true))
        return;
    // Each command that is accepted stays in force, whatever the next one gets.
    if (!ApplyCommand("Serv " + m_strHostIP + ":" + m_strHostPort + "\r\n", "+OK",
                      "Set Server host address is timeout. Check Velmora42 and Try again.",
                      "Client Mode Setup Fail. Try again"))
        return;
    if (!ApplyCommand("Rept " + m_strInterval + "\r\n", "+OK REPEAT every " + m_strInterval + " ms",
                      "Set Connection interval time is timeout. Check Velmora42 and Try again.",
                      "Connection interval time Setup Fail. Try again"))
        return;
    const std::string word = m_bReconnect == 1 ? "on" : "off";
    if (ApplyCommand("Psist " + word + "\r\n", "+OK PERSIST " + word,
                     "Set re-Connect status is timeout. Check Velmora42 and Try again.",
                     "re-Connect status Setup Fail. Try again"))
        EndDialog(IDOK);
}

bool CClientModeDlg::ApplyCommand(const std::string& command, const std::string& expected,
                                  const char* timeoutMessage, const char* failureMessage) {
    const std::string reply =
        GetManagerWindow().SendCommandOrReconnect(*this, command, 0, timeoutMessage);
    if (reply.empty())
        return false;
    UpdateData(false);
    if (StripLineEnd(reply) == expected)
        return true;
    MessageBox(failureMessage);
    return false;
}

// Puts back what the opening read; nothing is sent.
void CClientModeDlg::OnRefresh() {
    m_bReconnect = m_strPersistRead == "on" ? 1 : 0;
    ShowAddress(m_ipHost, m_hostAddrRead);
    m_strHostPort = m_strHostPortRead;
    m_strInterval = m_strIntervalRead;
    UpdateData(false);
}

void CClientModeDlg::OnClickedCancel() {
    EndDialog(IDCANCEL);
}

void CClientModeDlg::OnAdd() {
    CAddServerDlg dialog(*this);
    if (dialog.DoModal() != IDOK)
        return;
    AppendTableRow(m_listServers, dialog.m_bByName ? dialog.m_strName : dialog.m_strBdaddr,
                   dialog.m_strServerIP + ":" + dialog.m_strServerPort);
}

void CClientModeDlg::OnDelete() {
    if (!IsTableRow(m_listServers, m_nSelItem))
        return;
    // The entry goes by its BDADDR/Name; the row goes whatever the appliance answers, and the
    // row that moves up into its place has not been chosen.
    const std::string name = m_listServers.GetItemText(m_nSelItem, kTableNameColumn);
    m_listServers.DeleteItem(m_nSelItem);
    m_nSelItem = -1;
    // A line the appliance listed without a name names nothing to delete, and "DelServ "
    // without one is not sent.
    if (name.empty())
        return;
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "DelServ " + name + "\r\n", 0,
        "Deleting Server is timeout. Check Velmora42 and Try again.");
    if (!reply.empty() && !IsAccepted(reply))
        MessageBox("Server Deleting is Failed. Try again");
}

void CClientModeDlg::OnModify() {
    if (!IsTableRow(m_listServers, m_nSelItem))
        return;
    m_strSelName = m_listServers.GetItemText(m_nSelItem, kTableNameColumn);
    const std::string ipPort = m_listServers.GetItemText(m_nSelItem, kTableValueColumn);
    const int colon = Find(ipPort, ':');
    m_selAddr = ParseDottedAddress(colon < 0 ? ipPort : Left(ipPort, colon));
    m_strSelPort = colon < 0 ? std::string() : Mid(ipPort, colon + 1);

    CModifyServerDlg dialog(*this);
    if (dialog.DoModal() == IDOK) {
        m_listServers.SetItemText(m_nSelItem, kTableNameColumn, dialog.m_strBdaddrName);
        m_listServers.SetItemText(m_nSelItem, kTableValueColumn,
                                  dialog.m_strServerIP + ":" + dialog.m_strServerPort);
    } else if (dialog.m_bEntryLost) {
        // The appliance no longer holds the entry: neither the new values nor the old ones.
        m_listServers.DeleteItem(m_nSelItem);
        m_nSelItem = -1;
    }
    UpdateData(false);
}

void CClientModeDlg::OnItemChanged(const CNotification& notification) {
    UpdateData(true);
    m_nSelItem = notification.item;
}
