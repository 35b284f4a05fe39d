#include "modes/AddDeviceDlg.h"

#include "modes/AddressField.h"
#include "modes/DeviceTable.h"
#include "modes/ServerModeDlg.h"
#include "session/ManagerWindow.h"
#include "ui/DataExchange.h"

namespace {

const CDialogResource& AddDeviceDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_ADD_DEVICE,
        "Add Device",
        {151, 95},
        "System",
        10,
        {
            {-1, ControlKind::GroupBox, "BDADDR/Name", DlgRect(7, 4, 137, 46)},
            {IDC_ADD_BY_BDADDR, ControlKind::RadioButton, "BDADDR", DlgRect(14, 16, 44, 10), Group},
            {IDC_ADD_BY_NAME, ControlKind::RadioButton, "Name", DlgRect(14, 33, 44, 10)},
            {IDC_ADD_BDADDR, ControlKind::Edit, "", DlgRect(60, 15, 78, 12), Masked},
            {IDC_ADD_NAME, ControlKind::Edit, "", DlgRect(60, 32, 78, 12)},
            {-1, ControlKind::Static, "PORT Number", DlgRect(14, 58, 46, 8)},
            {IDC_ADD_PORT, ControlKind::Edit, "", DlgRect(60, 56, 40, 12), None,
             CServerModeDlg::kPortLimit},
            {IDOK, ControlKind::PushButton, "ADD", DlgRect(30, 75, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(88, 75, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CAddDeviceDlg::CAddDeviceDlg(CServerModeDlg& server)
    : CDialog(AddDeviceDlgResource()),
      m_editBdaddr(*this, *AddDeviceDlgResource().Find(IDC_ADD_BDADDR)), m_server(server) {
    SetUpAddressField(m_editBdaddr);
    BindControl(m_editBdaddr);
    MessageMap()
        .Clicked(IDC_ADD_BY_BDADDR, &CAddDeviceDlg::OnRadioBdaddr)
        .Clicked(IDC_ADD_BY_NAME, &CAddDeviceDlg::OnRadioName);
}

bool CAddDeviceDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Neither field takes input until a radio button says which one counts.
    m_editBdaddr.EnableWindow(false);
    GetDlgItem(IDC_ADD_NAME)->EnableWindow(false);
    return true;
}

void CAddDeviceDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, IDC_ADD_BY_BDADDR, m_nRadioBdaddr);
    DDX_Text(dx, IDC_ADD_PORT, m_strPortNumber);
    DDV_MaxChars(dx, m_strPortNumber, CServerModeDlg::kPortLimit);
}

void CAddDeviceDlg::OnRadioBdaddr() {
    m_bByName = false;
    GetDlgItem(IDC_ADD_NAME)->EnableWindow(false);
    m_editBdaddr.EnableWindow(true);
}

void CAddDeviceDlg::OnRadioName() {
    m_bByName = true;
    m_editBdaddr.EnableWindow(false);
    GetDlgItem(IDC_ADD_NAME)->EnableWindow(true);
}

bool CAddDeviceDlg::CheckDevice(bool given, const char* fillMessage, const std::string& device,
                                const char* sameMessage) {
    const CListViewCtrl& table = m_server.m_listDevices;
    const char* failure = !given                                       ? fillMessage
                          : m_strPortNumber.empty()                    ? "Fill the Port Number"
                          : AnyRowHas(table, kTableNameColumn, device) ? sameMessage
                          : AnyRowHas(table, kTableValueColumn, m_strPortNumber)
                              ? "Same Port Number is exist. Try again."
                              : nullptr;
    if (failure)
        MessageBox(failure);
    return !failure;
}

void CAddDeviceDlg::OnOK() {
    // The address with ":" between its pairs, as the appliance lists it, whatever the field
    // shows between them: the duplicate check and the command both use it.
    m_strBdaddr = AddressForAppliance(m_editBdaddr);
    m_strName = GetDlgItemText(IDC_ADD_NAME);
    m_strPortNumber = GetDlgItemText(IDC_ADD_PORT);
    if (!UpdateData(true))
        return;
    const bool checked =
        m_bByName ? CheckDevice(!m_strName.empty(), "Fill the Name", m_strName,
                                "Same Name is exist. Try again.")
                  : CheckDevice(IsAddressComplete(m_editBdaddr), "Fill the Bdaddr completely",
                                m_strBdaddr, "Same BDADDR is exist. Try again.");
    if (!checked)
        return;
    const std::string& device = m_bByName ? m_strName : m_strBdaddr;
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Bind " + device + " " + m_strPortNumber + "\r\n", 0,
        "Add Device is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    if (IsAccepted(reply))
        EndDialog(IDOK);
    else
        MessageBox("Add Device Fail. Try again");
}
