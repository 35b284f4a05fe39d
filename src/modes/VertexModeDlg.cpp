#include "modes/VertexModeDlg.h"

#include "appliance/ModeReplies.h"
#include "session/ManagerWindow.h"
#include "ui/DataExchange.h"
#include "ui/Text.h"

namespace {

const CDialogResource& VertexModeDlgResource() {
    static const CDialogResource resource{
        IDD_VERTEX_MODE,
        "Vertex Mode",
        {162, 73},
        "System",
        10,
        {
            {-1, ControlKind::Static, "Vertex Port", DlgRect(8, 10, 100, 10)},
            {IDC_VERTEX_PORT, ControlKind::Edit, "", DlgRect(112, 8, 42, 13), ControlStyle::None,
             CVertexModeDlg::kPortLimit},
            {-1, ControlKind::Static, "Max Number of Connections", DlgRect(8, 28, 104, 10)},
            {IDC_VERTEX_MAX_CONNECTIONS, ControlKind::Edit, "", DlgRect(112, 26, 42, 13),
             ControlStyle::Disabled},
            {IDC_VERTEX_APPLY, ControlKind::PushButton, "Apply", DlgRect(8, 50, 44, 15)},
            {IDC_VERTEX_REFRESH, ControlKind::PushButton, "Refresh", DlgRect(59, 50, 44, 15)},
            {IDC_VERTEX_CANCEL, ControlKind::PushButton, "Cancel", DlgRect(110, 50, 44, 15)},
        },
    };
    return resource;
}

} // namespace

CVertexModeDlg::CVertexModeDlg() : CDialog(VertexModeDlgResource()) {
    MessageMap()
        .Clicked(IDC_VERTEX_APPLY, &CVertexModeDlg::OnApply)
        .Clicked(IDC_VERTEX_REFRESH, &CVertexModeDlg::OnRefresh)
        .Clicked(IDC_VERTEX_CANCEL, &CVertexModeDlg::OnCancel);
}

void CVertexModeDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_VERTEX_MAX_CONNECTIONS, m_strMaxConnections);
    DDX_Text(dx, IDC_VERTEX_PORT, m_strVertexPort);
    DDV_MaxChars(dx, m_strVertexPort, kPortLimit);
}

bool CVertexModeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    UpdateData(true);
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Vertex\r\n", 0, "Get Vertex Mode is timeout. Check Velmora42 and Try again.");
    UpdateData(false);
    if (reply.empty())
        return true;
    const std::optional<CVertexSetting> vertex = VertexFromReply(reply);
    if (!vertex) {
        MessageBox("Get Vertex is Failed. Try again");
        return true;
    }
    // The values go to the edits only; the members take them at the next read-back.
    m_strDevicePort = vertex->port;
    SetDlgItemText(IDC_VERTEX_PORT, m_strDevicePort);
    SetDlgItemText(IDC_VERTEX_MAX_CONNECTIONS, vertex->maxConnections);
    return true;
}

void CVertexModeDlg::OnApply() {
    m_strVertexPort = GetDlgItemText(IDC_VERTEX_PORT);
    if (m_strVertexPort.empty()) {
        MessageBox("Fill the Vertex Port");
        return;
    }
    if (m_strVertexPort == m_strDevicePort) {
        EndDialog(IDOK); // the appliance has this port already
        return;
    }
    if (!UpdateData(true))
        return;
    CManagerWindow& main = GetManagerWindow();
    const std::string reply = main.SendCommandOrReconnect(
        *this, "Vertex " + m_strVertexPort + " " + m_strMaxConnections + "\r\n", 0,
        "Set Vertex Mode is timeout. Check Velmora42 and Try again.");
    UpdateData(false);
    if (reply.empty())
        return;
    // The appliance echoes exactly what it took; anything else means the port was refused.
    if (StripLineEnd(reply) == "+OK PORT " + m_strVertexPort + " MAX " + m_strMaxConnections)
        EndDialog(IDOK);
    else
        MessageBox("Vertex Mode Setup Fail. Try again");
}

void CVertexModeDlg::OnRefresh() {
    m_strVertexPort = m_strDevicePort;
    // A fresh string rather than assigning the literal into the old one: g++ 12 warns about
    // an overlap that cannot happen on that path (-Wrestrict).
    m_strMaxConnections = std::string(kInitialMaxConnections);
    UpdateData(false);
}
