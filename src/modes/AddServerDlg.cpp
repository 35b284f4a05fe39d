#include "modes/AddServerDlg.h"

#include "modes/AddressField.h"
#include "modes/ClientModeDlg.h"
#include "modes/DeviceTable.h"
#include "modes/IpAddressFields.h"
#include "session/ManagerWindow.h"
#include "ui/DataExchange.h"
#include "ui/IpAddressCtrl.h"

namespace {

const CDialogResource& AddServerDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_ADD_SERVER,
        "Add Server",
        {159, 117},
        "System",
        10,
        {
            {-1, ControlKind::GroupBox, "BDAddr/Name", DlgRect(7, 5, 145, 46)},
            {IDC_ADD_SERVER_BY_BDADDR, ControlKind::RadioButton, "BDAddr", DlgRect(14, 18, 40, 10),
             Group},
            {IDC_ADD_SERVER_BY_NAME, ControlKind::RadioButton, "Name", DlgRect(14, 34, 40, 10)},
            {IDC_ADD_SERVER_BDADDR, ControlKind::Edit, "", DlgRect(56, 17, 90, 13), Masked},
            {IDC_ADD_SERVER_NAME, ControlKind::Edit, "", DlgRect(56, 33, 90, 13)},
            {-1, ControlKind::Static, "Server IP Address", DlgRect(7, 59, 66, 8)},
            {IDC_ADD_SERVER_IP, ControlKind::IpAddress, "", DlgRect(74, 57, 78, 13)},
            {-1, ControlKind::Static, "Server Port Number", DlgRect(7, 77, 66, 8)},
            {IDC_ADD_SERVER_PORT, ControlKind::Edit, "", DlgRect(74, 75, 40, 13), None,
             CAddServerDlg::kPortLimit},
            {IDOK, ControlKind::PushButton, "Add", DlgRect(46, 96, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(102, 96, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CAddServerDlg::CAddServerDlg(const CClientModeDlg& table)
    : CDialog(AddServerDlgResource()),
      m_editBdaddr(*this, *AddServerDlgResource().Find(IDC_ADD_SERVER_BDADDR)),
      m_ipServer(Item<CIpAddressCtrl>(IDC_ADD_SERVER_IP)), m_table(table) {
    SetUpAddressField(m_editBdaddr);
    BindControl(m_editBdaddr);
    MessageMap()
        .Clicked(IDC_ADD_SERVER_BY_BDADDR, &CAddServerDlg::OnRadioBdaddr)
        .Clicked(IDC_ADD_SERVER_BY_NAME, &CAddServerDlg::OnRadioName);
}

void CAddServerDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, IDC_ADD_SERVER_BY_BDADDR, m_nAddressKind);
    DDX_Text(dx, IDC_ADD_SERVER_NAME, m_strName);
    DDX_Text(dx, IDC_ADD_SERVER_PORT, m_strServerPort);
}

bool CAddServerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_bByName = false;
    EnableAddressOrName();
    return true;
}

void CAddServerDlg::OnRadioBdaddr() {
    m_bByName = false;
    EnableAddressOrName();
}

void CAddServerDlg::OnRadioName() {
    m_bByName = true;
    EnableAddressOrName();
}

void CAddServerDlg::EnableAddressOrName() {
    GetDlgItem(IDC_ADD_SERVER_NAME)->EnableWindow(m_bByName);
    GetDlgItem(IDC_ADD_SERVER_BDADDR)->EnableWindow(!m_bByName);
}

// Every row the table holds now counts, those added since the Client Mode dialog opened too.
std::string CAddServerDlg::CheckEntry() const {
    const CListViewCtrl& rows = m_table.ServerTable();
    if (m_bByName) {
        if (m_strName.empty())
            return "Fill the Name";
        if (AnyRowHas(rows, kTableNameColumn, m_strName))
            return "Same Name is exist. Try again.";
    } else {
        if (!IsAddressComplete(m_editBdaddr))
            return "Fill the Bdaddr completely";
        if (AnyRowHas(rows, kTableNameColumn, m_strBdaddr))
            return "Same BDADDR is exist. Try again.";
    }
    if (AnyRowHas(rows, kTableValueColumn, Endpoint()))
        return "Same Server Port Number is exist. Try again.";
    return {};
}

std::string CAddServerDlg::Endpoint() const {
    return m_strServerIP + ":" + m_strServerPort;
}

void CAddServerDlg::OnOK() {
    // The address with ":" between its pairs, as the appliance lists it, whatever the field
    // shows between them: the duplicate check and the command both use it.
    m_strBdaddr = AddressForAppliance(m_editBdaddr);
    m_strName = GetDlgItemText(IDC_ADD_SERVER_NAME);
    m_strServerPort = GetDlgItemText(IDC_ADD_SERVER_PORT);
    std::string message = MissingEndpointMessage(m_ipServer, m_strServerPort, "Server");
    if (message.empty()) {
        m_strServerIP = FormatDottedAddress(m_ipServer);
        if (!UpdateData(true))
            return;
        message = CheckEntry();
    }
    if (!message.empty()) {
        MessageBox(message);
        return;
    }
    const std::string& device = m_bByName ? m_strName : m_strBdaddr;
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Serv " + Endpoint() + " " + device + "\r\n", 0,
        "Add Server is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    if (IsAccepted(reply))
        EndDialog(IDOK);
    else
        MessageBox("Add Server Fail. Try again");
}
