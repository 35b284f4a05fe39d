#include "modes/ServerModeDlg.h"

#include "appliance/BindListing.h"
#include "appliance/ModeReplies.h"
#include "modes/AddDeviceDlg.h"
#include "modes/DeviceTable.h"
#include "modes/ModifyDeviceDlg.h"
#include "session/ManagerWindow.h"
#include "ui/DataExchange.h"
#include "ui/Text.h"

namespace {

constexpr const char* kGetPortTimeout =
    "Get Port Number is timeout. Check Velmora42 and Try again.";
// What the keep-alive edit shows when the appliance's setting cannot be read.
constexpr const char* kDefaultKeepAlive = "600";

const CDialogResource& ServerModeDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_SERVER_MODE,
        "Server Mode",
        {184, 168},
        "System",
        10,
        {
            {-1, ControlKind::Static, "Default Data Port", DlgRect(10, 10, 64, 8)},
            {IDC_DATA_PORT, ControlKind::Edit, "", DlgRect(78, 8, 40, 12), None,
             CServerModeDlg::kPortLimit},
            {IDC_SERVER_APPLY, ControlKind::PushButton, "Apply", DlgRect(127, 7, 50, 14)},
            {-1, ControlKind::Static, "KeepAlive Timeout", DlgRect(10, 27, 64, 8)},
            {IDC_KEEPALIVE, ControlKind::Edit, "", DlgRect(78, 25, 40, 12)},
            {-1, ControlKind::Static, "sec", DlgRect(122, 27, 16, 8)},
            {IDC_NO_DISCONNECT, ControlKind::CheckBox, "Do not disconnect TCP socket",
             DlgRect(10, 43, 140, 10)},
            {-1, ControlKind::GroupBox, "Register Bluetooth Device", DlgRect(7, 58, 170, 103)},
            {IDC_DEVICE_TABLE, ControlKind::ListView, "", DlgRect(13, 70, 158, 66),
             SingleSelection | ShowSelectionAlways | NoSortHeader | GridLines | FullRowSelect},
            {IDC_DEVICE_ADD, ControlKind::PushButton, "Add", DlgRect(13, 141, 48, 14)},
            {IDC_DEVICE_DELETE, ControlKind::PushButton, "Delete", DlgRect(68, 141, 48, 14)},
            {IDC_DEVICE_MODIFY, ControlKind::PushButton, "Modify", DlgRect(123, 141, 48, 14)},
        },
    };
    return resource;
}

} // namespace

CServerModeDlg::CServerModeDlg()
    : CDialog(ServerModeDlgResource()),
      m_listDevices(*this, *ServerModeDlgResource().Find(IDC_DEVICE_TABLE)) {
    BindControl(m_listDevices);
    MessageMap()
        .Clicked(IDC_SERVER_APPLY, &CServerModeDlg::OnApply)
        .Clicked(IDC_DEVICE_ADD, &CServerModeDlg::OnAdd)
        .Clicked(IDC_DEVICE_DELETE, &CServerModeDlg::OnDelete)
        .Clicked(IDC_DEVICE_MODIFY, &CServerModeDlg::OnModify)
        .Notify(IDC_DEVICE_TABLE, LVN_ITEMCHANGED, &CServerModeDlg::OnItemChanged);
}

void CServerModeDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_DATA_PORT, m_strDataPort);
    DDV_MaxChars(dx, m_strDataPort, kPortLimit);
    DDX_Check(dx, IDC_NO_DISCONNECT, m_bNoDisconnect);
    DDX_Text(dx, IDC_KEEPALIVE, m_strKeepAlive);
}

bool CServerModeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    InsertTableColumns(m_listDevices, "          BDADDR/Name", 195, "       Port ", 107);
    m_nDeviceCount = 0;
    // The new table holds no row an earlier opening reported.
    m_nSelItem = -1;
    // Values read before a stop stay in the members but are not shown.
    if (ReadSettings() && ReadDevices())
        UpdateData(false);
    return true;
}

bool CServerModeDlg::ReadSettings() {
    CManagerWindow& main = GetManagerWindow();
    const std::string port = main.SendCommandOrReconnect(*this, "Port\r\n", 0, kGetPortTimeout);
    if (port.empty())
        return false;
    const std::optional<std::string> dataPort = DataPortFromReply(port);
    if (!dataPort) {
        MessageBox("Get Port Number is Failed. Try again");
        return false;
    }
    m_strDataPort = *dataPort;

    if (main.IsCommandSupported("PRSV")) {
        const std::optional<bool> keep = NoDisconnectFromReply(main.SendCommand("prsv\r\n", 1));
        if (!keep) {
            main.ReportAndReconnect(*this, kGetPortTimeout);
            return false;
        }
        m_bNoDisconnect = *keep ? 1 : 0;
    } else {
        GetDlgItem(IDC_NO_DISCONNECT)->EnableWindow(false);
    }

    if (main.IsCommandSupported("KATO")) {
        if (const auto keepAlive = KeepAliveFromReply(main.SendCommand("kato\r\n", 1))) {
            m_strKeepAlive = *keepAlive;
        } else {
            MessageBox("Retrieving TCP KeepAlive setting failed.");
            m_strKeepAlive = kDefaultKeepAlive;
        }
    } else {
        GetDlgItem(IDC_KEEPALIVE)->EnableWindow(false);
    }
    return true;
}

bool CServerModeDlg::ReadDevices() {
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Bind\r\n", 1, "Get Bind is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return false;
    if (Left(reply, 4) == "-ERR") {
        MessageBox("Bind is Failed. Try again");
        return false;
    }
    const CBindListing listing = ParseBindListing(reply);
    for (const CTableEntry& entry : listing.rows)
        InsertTableRow(m_listDevices, m_nDeviceCount++, entry);
    if (!listing.complete)
        MessageBox(" Get Bind Devices is imperfect. Try again");
    return true;
}

void CServerModeDlg::OnApply() {
    UpdateData(true);
    CManagerWindow& main = GetManagerWindow();
    const std::string port = main.SendCommand("Port " + m_strDataPort + "\r\n", 1);
    if (Find(port, "+OK") < 0) {
        main.ReportAndReconnect(*this,
                                "Set Port Number is timeout. Check Velmora42 and Try again.");
        return;
    }
    // The two settings after the port are independent of it: a refusal is told and Apply
    // goes on.
    if (main.IsCommandSupported("PRSV")) {
        const std::string command =
            std::string("prsv ") + (m_bNoDisconnect == 1 ? "on\r\n" : "off\r\n");
        if (Find(main.SendCommand(command, 1), "+OK") < 0)
            MessageBox("Setting PRSV failed.");
    }
    if (main.IsCommandSupported("KATO")) {
        if (Find(main.SendCommand("kato " + m_strKeepAlive + " 10 3\r\n", 1), "+OK") < 0)
            MessageBox("Setting TCP KeepAlive Time failed.");
    }
    UpdateData(false);
}

void CServerModeDlg::OnAdd() {
    CAddDeviceDlg dialog(*this);
    if (dialog.DoModal() != IDOK)
        return;
    AppendTableRow(m_listDevices, dialog.m_bByName ? dialog.m_strName : dialog.m_strBdaddr,
                   dialog.m_strPortNumber);
}

void CServerModeDlg::OnDelete() {
    if (!IsTableRow(m_listDevices, m_nSelItem))
        return;
    // A registration is released by its port. The row goes whatever the appliance answers;
    // the message tells the operator when it did not take the release.
    const std::string port = m_listDevices.GetItemText(m_nSelItem, kTableValueColumn);
    m_listDevices.DeleteItem(m_nSelItem);
    m_nSelItem = -1;
    // A listing line the appliance wrote without "|" names no port: there is nothing to
    // release, and "Rele " without one is not sent.
    if (port.empty())
        return;
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Rele " + port + "\r\n", 0,
        "Deleting Device is timeout. Check Velmora42 and Try again.");
    if (!reply.empty() && !IsAccepted(reply))
        MessageBox("Device Deleting is Failed. Try again");
}

void CServerModeDlg::OnModify() {
    if (!IsTableRow(m_listDevices, m_nSelItem))
        return;
    m_strSelName = m_listDevices.GetItemText(m_nSelItem, kTableNameColumn);
    m_strSelPort = m_listDevices.GetItemText(m_nSelItem, kTableValueColumn);
    CModifyDeviceDlg dialog(*this);
    if (dialog.DoModal() == IDOK) {
        m_listDevices.SetItemText(m_nSelItem, kTableNameColumn, dialog.m_strBdaddrName);
        m_listDevices.SetItemText(m_nSelItem, kTableValueColumn, dialog.m_strPortNumber);
    } else if (dialog.m_bRegistrationLost) {
        // The appliance holds neither the old registration nor the new one.
        m_listDevices.DeleteItem(m_nSelItem);
        m_nSelItem = -1;
    }
    UpdateData(false);
}

void CServerModeDlg::OnItemChanged(const CNotification& notification) {
    UpdateData(true);
    m_nSelItem = notification.item;
}
