#include "discovery/SearchDlg.h"

namespace {

const CDialogResource& SearchDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_SEARCH,
        "Velmora42 Manager",
        {223, 175},
        "System",
        10,
        {
            {IDC_DEVICE_LIST, ControlKind::ListView, "", DlgRect(7, 7, 209, 90),
             SingleSelection | ShowSelectionAlways | NoSortHeader | GridLines | FullRowSelect},
            {IDC_SEARCH, ControlKind::PushButton, "Search", DlgRect(7, 102, 60, 16)},
            {IDC_SEARCH_CANCEL, ControlKind::PushButton, "Cancel", DlgRect(156, 102, 60, 16)},
            {-1, ControlKind::GroupBox, "<<  Connection  >>", DlgRect(7, 122, 209, 46)},
            {-1, ControlKind::Static, "IP Address    :", DlgRect(14, 134, 56, 10)},
            {IDC_IP_ADDRESS, ControlKind::Edit, "", DlgRect(72, 132, 80, 13)},
            {-1, ControlKind::Static, "Control Port   :", DlgRect(14, 151, 56, 10)},
            {IDC_CONTROL_PORT, ControlKind::Edit, "", DlgRect(72, 149, 80, 13)},
            {IDC_CONNECT, ControlKind::PushButton, "Connect", DlgRect(160, 140, 50, 16), Disabled},
        },
    };
    return resource;
}

} // namespace

CSearchDlg::CSearchDlg(CDiscoveryTarget target)
    : CDialog(SearchDlgResource()), m_target(std::move(target)) {
    MessageMap()
        .Clicked(IDC_CONNECT, &CSearchDlg::OnConnect)
        .Clicked(IDC_SEARCH_CANCEL, &CSearchDlg::OnCancel);
}

bool CSearchDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Until discovery and login exist, Connect takes the operator on without a connection.
    Item<CControl>(IDC_CONNECT).EnableWindow(true);
    return true;
}

void CSearchDlg::OnConnect() {
    EndDialog(IDOK);
}
