#include "modes/ClientSettingDlg.h"

#include "appliance/ServListing.h"
#include "modes/DeviceTable.h"
#include "modes/IpAddressFields.h"
#include "session/ManagerWindow.h"
#include "ui/DataExchange.h"
#include "ui/IpAddressCtrl.h"
#include "ui/Text.h"

namespace {

const CDialogResource& ClientSettingDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_CLIENT_SETTING,
        "Client Setting",
        {156, 69},
        "System",
        10,
        {
            {-1, ControlKind::Static, "HOST IP Address", DlgRect(7, 10, 62, 8)},
            {IDC_CLIENT_SETTING_HOST_IP, ControlKind::IpAddress, "", DlgRect(70, 8, 79, 13)},
            {-1, ControlKind::Static, "HOST Port Number", DlgRect(7, 28, 62, 8)},
            {IDC_CLIENT_SETTING_HOST_PORT, ControlKind::Edit, "", DlgRect(70, 26, 40, 13), None,
             CClientSettingDlg::kPortLimit},
            {IDOK, ControlKind::PushButton, "OK", DlgRect(42, 48, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(99, 48, 50, 14)},
        },
    };
    return resource;
}

} // namespace

CClientSettingDlg::CClientSettingDlg()
    : CDialog(ClientSettingDlgResource()),
      m_ipHost(Item<CIpAddressCtrl>(IDC_CLIENT_SETTING_HOST_IP)) {}

void CClientSettingDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_CLIENT_SETTING_HOST_PORT, m_strHostPort);
}

bool CClientSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ReadHost();
    return true;
}

// Only the host line counts here; the listing is read to its end.
void CClientSettingDlg::ReadHost() {
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Serv\r\n", 1, "Get Server host address is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    if (Left(reply, 4) == "-ERR") {
        MessageBox("Input IP Address and Port Number.");
        return;
    }
    const CServListing listing = ParseServListing(reply, ServWalk::WholeReply);
    if (listing.host) {
        ShowAddress(m_ipHost, listing.host->address);
        m_strHostPort = listing.host->port;
        UpdateData(false);
    }
    if (listing.imperfect)
        MessageBox(" Get Server Devices is imperfect. Try again");
}

void CClientSettingDlg::OnOK() {
    m_strHostPort = GetDlgItemText(IDC_CLIENT_SETTING_HOST_PORT);
    if (const std::string missing = MissingEndpointMessage(m_ipHost, m_strHostPort, "HOST");
        !missing.empty()) {
        MessageBox(missing);
        return;
    }
    m_strHostIP = FormatDottedAddress(m_ipHost);
    if (!UpdateData(true))
        return;
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Serv " + m_strHostIP + ":" + m_strHostPort + "\r\n", 0,
        "Set Server host address is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    if (IsAccepted(reply))
        EndDialog(IDOK);
    else
        MessageBox("Client Mode Setup Fail. Try again");
}
