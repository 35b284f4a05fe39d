#include "modes/SerialHubModeDlg.h"

#include "modes/RouteReply.h"
#include "session/ManagerWindow.h"
#include "ui/DataExchange.h"
#include "ui/ListViewCtrl.h"
#include "ui/Text.h"

namespace {

constexpr int kRouteTimeoutSeconds = 3;
constexpr int kColumnWidth = 205;

const CDialogResource& SerialHubModeDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_SERIAL_HUB_MODE,
        "Serial Hub Mode",
        {225, 152},
        "System",
        10,
        {
            {-1, ControlKind::GroupBox, "Automatic Route Generation", DlgRect(7, 5, 211, 34)},
            {IDC_HUB_POINT_TO_POINT, ControlKind::RadioButton, "Point-to-Point",
             DlgRect(15, 20, 60, 10), Group},
            {IDC_HUB_MULTI_DROP, ControlKind::RadioButton, "Multi-drop", DlgRect(80, 20, 50, 10)},
            {IDC_HUB_START, ControlKind::PushButton, "Start", DlgRect(134, 17, 38, 15)},
            {IDC_HUB_STOP, ControlKind::PushButton, "Stop", DlgRect(175, 17, 38, 15), Disabled},
            {-1, ControlKind::Static, "Routing Table", DlgRect(7, 44, 80, 10)},
            {IDC_HUB_ROUTES, ControlKind::ListView, "", DlgRect(7, 55, 211, 70),
             GridLines | FullRowSelect},
            {IDOK, ControlKind::PushButton, "Done", DlgRect(168, 131, 50, 14), DefaultButton},
        },
    };
    return resource;
}

} // namespace

CSerialHubModeDlg::CSerialHubModeDlg() : CDialog(SerialHubModeDlgResource()) {
    MessageMap()
        .Clicked(IDC_HUB_START, &CSerialHubModeDlg::OnStart)
        .Clicked(IDC_HUB_STOP, &CSerialHubModeDlg::OnStop)
        .Timer(&CSerialHubModeDlg::OnTimer);
}

bool CSerialHubModeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    auto& routes = Item<CListViewCtrl>(IDC_HUB_ROUTES);
    routes.InsertColumn(0, "From", ColumnAlign::Left, kColumnWidth);
    routes.InsertColumn(1, "To", ColumnAlign::Left, kColumnWidth);
    SetTimer(kPollTimer, kPollPeriodMs);
    return true;
}

void CSerialHubModeDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, IDC_HUB_POINT_TO_POINT, m_nRouteMode);
}

void CSerialHubModeDlg::OnClose() {
    KillTimer(kPollTimer);
    CDialog::OnClose();
}

void CSerialHubModeDlg::SetGenerating(bool generating) {
    GetDlgItem(IDC_HUB_STOP)->EnableWindow(generating);
    GetDlgItem(IDC_HUB_START)->EnableWindow(!generating);
}

void CSerialHubModeDlg::OnStart() {
    UpdateData(true);
    const char* command = m_nRouteMode == kMultiDrop ? "route multi\r\n" : "route ptp\r\n";
    const std::string reply = GetManagerWindow().SendCommand(command, kRouteTimeoutSeconds);
    if (Find(reply, "+OK") >= 0)
        SetGenerating(true);
    else
        MessageBox("Failed");
}

void CSerialHubModeDlg::OnStop() {
    // The switch goes back whatever the appliance says: Start must stay reachable.
    GetManagerWindow().SendCommand("route manual\r\n", kRouteTimeoutSeconds);
    SetGenerating(false);
}

void CSerialHubModeDlg::OnTimer(UINT) {
    const std::string reply = GetManagerWindow().SendCommand("route\r\n", kRouteTimeoutSeconds);
    if (reply.empty())
        return; // no answer this time: the table stays as last shown
    auto& list = Item<CListViewCtrl>(IDC_HUB_ROUTES);
    list.DeleteAllItems();
    int row = 0;
    for (const CRoute& route : ParseRouteReply(reply)) {
        list.InsertItem(row, route.from);
        list.SetItemText(row, 1, route.to);
        ++row;
    }
}
