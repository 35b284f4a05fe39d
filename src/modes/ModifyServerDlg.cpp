#include "modes/ModifyServerDlg.h"

#include "modes/AddServerDlg.h"
#include "modes/ClientModeDlg.h"
#include "modes/DeviceTable.h"
#include "modes/IpAddressFields.h"
#include "ui/DataExchange.h"
#include "ui/IpAddressCtrl.h"
#include "ui/ListViewCtrl.h"

namespace {

const CDialogResource& ModifyServerDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_MODIFY_SERVER,
        "Modify Server",
        {167, 94},
        "System",
        10,
        {
            {-1, ControlKind::Static, "BDADDR/Name", DlgRect(7, 10, 56, 8)},
            {IDC_MODIFY_SERVER_NAME, ControlKind::Edit, "", DlgRect(66, 8, 94, 13)},
            {-1, ControlKind::Static, "IP Address", DlgRect(7, 29, 56, 8)},
            {IDC_MODIFY_SERVER_IP, ControlKind::IpAddress, "", DlgRect(66, 27, 94, 13)},
            {-1, ControlKind::Static, "PORT Number", DlgRect(7, 48, 56, 8)},
            {IDC_MODIFY_SERVER_PORT, ControlKind::Edit, "", DlgRect(66, 46, 40, 13), None,
             CAddServerDlg::kPortLimit},
            {IDOK, ControlKind::PushButton, "Modify", DlgRect(54, 73, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(110, 73, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CModifyServerDlg::CModifyServerDlg(const CClientModeDlg& table)
    : CDialog(ModifyServerDlgResource()), m_ipServer(Item<CIpAddressCtrl>(IDC_MODIFY_SERVER_IP)),
      m_table(table) {}

void CModifyServerDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_MODIFY_SERVER_NAME, m_strBdaddrName);
    DDX_Text(dx, IDC_MODIFY_SERVER_PORT, m_strServerPort);
}

bool CModifyServerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_strBdaddrName = m_table.m_strSelName;
    m_strServerPort = m_table.m_strSelPort;
    ShowAddress(m_ipServer, m_table.m_selAddr);
    UpdateData(false);
    return true;
}

// The row being modified may keep its own values; another row may not hold them.
std::string CModifyServerDlg::CheckInput() const {
    // The entry goes by its name and comes back by its name and port: a row the appliance
    // listed without either cannot be replaced, and no command goes out without them.
    if (m_table.m_strSelName.empty())
        return "Fill the registered Bdaddr";
    if (m_table.m_strSelPort.empty())
        return "Fill the registered Port Number";
    const bool addressComplete = IsIpAddressComplete(m_ipServer);
    if (m_strBdaddrName.empty() && m_strServerPort.empty() && !addressComplete)
        return "Fill the Bdaddr and Port Number";
    if (m_strBdaddrName.empty())
        return "Fill the Bdaddr";
    if (m_strServerPort.empty())
        return "Fill the Port Number";
    if (!addressComplete)
        return "Fill the IP Address";
    const CListViewCtrl& rows = m_table.ServerTable();
    const int own = m_table.m_nSelItem;
    if (IsTakenByOtherRow(rows, kTableNameColumn, m_strBdaddrName, own))
        return "Same BDADDR/Name is exist. Try again.";
    if (IsTakenByOtherRow(rows, kTableValueColumn, m_strServerIP + ":" + m_strServerPort, own))
        return "Same Port Number is exist. Try again.";
    return {};
}

void CModifyServerDlg::OnOK() {
    m_strBdaddrName = GetDlgItemText(IDC_MODIFY_SERVER_NAME);
    m_strServerPort = GetDlgItemText(IDC_MODIFY_SERVER_PORT);
    m_strServerIP = FormatDottedAddress(m_ipServer);
    if (const std::string message = CheckInput(); !message.empty()) {
        MessageBox(message);
        return;
    }
    // The controls are read before the entry goes: nothing runs between the two commands.
    if (!UpdateData(true))
        return;
    // The entry goes as it was, then comes back with the new values.
    const ReplaceOutcome outcome = ReplaceTableEntry(
        *this, "DelServ " + m_table.m_strSelName + "\r\n",
        "Serv " + m_strServerIP + ":" + m_strServerPort + " " + m_strBdaddrName + "\r\n",
        "Serv " + FormatDottedAddress(m_table.m_selAddr) + ":" + m_table.m_strSelPort + " " +
            m_table.m_strSelName + "\r\n",
        "Server modification is timeout. Check Velmora42 and Try again.",
        "Server modification is Failed. Try again");
    if (outcome == ReplaceOutcome::Replaced) {
        EndDialog(IDOK);
    } else if (outcome == ReplaceOutcome::Lost) {
        m_bEntryLost = true;
        EndDialog(IDCANCEL);
    }
}
