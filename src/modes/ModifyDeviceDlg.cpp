#include "modes/ModifyDeviceDlg.h"

#include "modes/DeviceTable.h"
#include "modes/ServerModeDlg.h"
#include "ui/DataExchange.h"

namespace {

const CDialogResource& ModifyDeviceDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_MODIFY_DEVICE,
        "Modify Device",
        {148, 72},
        "System",
        10,
        {
            {-1, ControlKind::Static, "BDADDR/Name", DlgRect(5, 10, 54, 8)},
            {IDC_MODIFY_BDADDR_NAME, ControlKind::Edit, "", DlgRect(60, 8, 80, 12)},
            {-1, ControlKind::Static, "PORT Number", DlgRect(10, 28, 48, 8)},
            {IDC_MODIFY_PORT, ControlKind::Edit, "", DlgRect(60, 26, 40, 12), None,
             CServerModeDlg::kPortLimit},
            {IDOK, ControlKind::PushButton, "Modify", DlgRect(28, 51, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(86, 51, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CModifyDeviceDlg::CModifyDeviceDlg(CServerModeDlg& server)
    : CDialog(ModifyDeviceDlgResource()), m_server(server) {}

bool CModifyDeviceDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_MODIFY_BDADDR_NAME, m_server.m_strSelName);
    SetDlgItemText(IDC_MODIFY_PORT, m_server.m_strSelPort);
    return true;
}

void CModifyDeviceDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_MODIFY_BDADDR_NAME, m_strBdaddrName);
    DDX_Text(dx, IDC_MODIFY_PORT, m_strPortNumber);
    DDV_MaxChars(dx, m_strPortNumber, CServerModeDlg::kPortLimit);
}

bool CModifyDeviceDlg::CheckFields() {
    // A registration is released by its port and put back by its name and port: a row the
    // appliance listed without either cannot be replaced, and no command goes out without them.
    if (m_server.m_strSelPort.empty()) {
        MessageBox("Fill the registered Port Number");
        return false;
    }
    if (m_server.m_strSelName.empty()) {
        MessageBox("Fill the registered Bdaddr");
        return false;
    }
    if (m_strBdaddrName.empty() && m_strPortNumber.empty()) {
        MessageBox("Fill the Bdaddr and Port Number");
        return false;
    }
    if (m_strBdaddrName.empty()) {
        MessageBox("Fill the Bdaddr");
        return false;
    }
    if (m_strPortNumber.empty()) {
        MessageBox("Fill the Port Number");
        return false;
    }
    // The selected row's own device and port do not count as taken.
    const CListViewCtrl& table = m_server.m_listDevices;
    if (IsTakenByOtherRow(table, kTableNameColumn, m_strBdaddrName, m_server.m_nSelItem)) {
        MessageBox("Same BDADDR/Name is exist. Try again.");
        return false;
    }
    if (IsTakenByOtherRow(table, kTableValueColumn, m_strPortNumber, m_server.m_nSelItem)) {
        MessageBox("Same Port Number is exist. Try again.");
        return false;
    }
    return true;
}

void CModifyDeviceDlg::OnOK() {
    m_strBdaddrName = GetDlgItemText(IDC_MODIFY_BDADDR_NAME);
    m_strPortNumber = GetDlgItemText(IDC_MODIFY_PORT);
    // Every check runs before the release: once "Rele" is accepted, nothing may stop "Bind".
    if (!CheckFields() || !UpdateData(true))
        return;
    const ReplaceOutcome outcome =
        ReplaceTableEntry(*this, "Rele " + m_server.m_strSelPort + "\r\n",
                          "Bind " + m_strBdaddrName + " " + m_strPortNumber + "\r\n",
                          "Bind " + m_server.m_strSelName + " " + m_server.m_strSelPort + "\r\n",
                          "Device modification is timeout. Check Velmora42 and Try again.",
                          "Device modification is Failed. Try again");
    if (outcome == ReplaceOutcome::Replaced) {
        EndDialog(IDOK);
    } else if (outcome == ReplaceOutcome::Lost) {
        m_bRegistrationLost = true;
        EndDialog(IDCANCEL);
    }
}
