#include "pages/ConnectionsPage.h"

#include "appliance/ConnectionListing.h"
#include "session/ManagerWindow.h"
#include "ui/ListViewCtrl.h"
#include "ui/Text.h"

namespace {

constexpr UINT kPageTimer = 1;

const CDialogResource& ConnectionsPageResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_CONNECTIONS_PAGE,
        "",
        {287, 150},
        "Arial",
        9,
        {
            {-1, ControlKind::GroupBox, "", DlgRect(7, 3, 273, 113)},
            {IDC_CONNECTION_LIST, ControlKind::ListView, "", DlgRect(13, 12, 261, 98),
             FullRowSelect | GridLines | FixedFont},
            {IDC_CONNECTION_DISCONNECT, ControlKind::PushButton, "Disconnect",
             DlgRect(172, 121, 50, 14), Disabled},
            {IDC_CONNECTION_REFRESH, ControlKind::PushButton, "Refresh", DlgRect(230, 121, 50, 14)},
        },
        true,
    };
    return resource;
}

} // namespace

CConnectionsPage::CConnectionsPage() : CTabPage(ConnectionsPageResource()) {
    MessageMap()
        .Timer(&CConnectionsPage::OnTimer)
        .Clicked(IDC_CONNECTION_REFRESH, &CConnectionsPage::OnRefresh)
        .Clicked(IDC_CONNECTION_DISCONNECT, &CConnectionsPage::OnDisconnect)
        .Notify(IDC_CONNECTION_LIST, LVN_ITEMCHANGED, &CConnectionsPage::OnItemChangedList);
}

CListViewCtrl& CConnectionsPage::List() const {
    return Item<CListViewCtrl>(IDC_CONNECTION_LIST);
}

bool CConnectionsPage::OnInitDialog() {
    CTabPage::OnInitDialog();
    CListViewCtrl& list = List();
    list.SetImageList({IDB_STATUS_GREEN, IDB_STATUS_YELLOW, IDB_STATUS_RED});
    // The headers' leading blanks centre them over the fixed-width values.
    static const std::pair<const char*, int> kColumns[] = {
        {"", 20},
        {"idx", 30},
        {"dev", 35},
        {" Port", 45},
        {"          Addr", 108},
        {"         Name", 110},
        {"  Tx", 50},
        {"    Rx", 50},
    };
    int index = 0;
    for (const auto& [header, width] : kColumns)
        list.InsertColumn(index++, header, ColumnAlign::Left, width);
    return true;
}

void CConnectionsPage::LoadConnections() {
    CListViewCtrl& list = List();
    std::string reply;
    ListingEnd end = ListingEnd::Closed;
    {
        CRedrawHold hold(list);
        list.DeleteAllItems();
        reply = GetManagerWindow().SendCommand("List\r\n", 1);
        if (!reply.empty() && Left(reply, 4) != "-ERR")
            end = ShowListing(ParseConnectionListing(reply));
        SelectChosenConnection();
    }
    if (reply.empty()) {
        if (m_bTimerRunning) {
            KillTimer(kPageTimer);
            m_bTimerRunning = false;
        }
        MessageBox("Get Information is timeout. Check Velmora42 and Try again.");
        GetManagerWindow().RequestClose();
    } else if (Left(reply, 4) == "-ERR") {
        MessageBox("Get Information is Failed. Try again");
    } else if (end == ListingEnd::Imperfect) {
        MessageBox(" Get Status is imperfect. Try again");
    }
}

ListingEnd CConnectionsPage::ShowListing(const CConnectionListing& listing) {
    CListViewCtrl& list = List();
    int row = 0;
    for (const CConnectionRow& connection : listing.rows) {
        list.InsertItem(row, " ", connection.status);
        int column = 1;
        for (const std::string& field : connection.fields)
            list.SetItemText(row, column++, field);
        ++row;
    }
    return listing.end;
}

// Every reload rebuilds the rows, so a row position means another connection afterwards:
// Disconnect must act on the connection that was chosen, or on none.
void CConnectionsPage::SelectChosenConnection() {
    if (m_nSelItem < 0)
        return;
    CListViewCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (list.GetItemText(row, 1) == m_strSelIdx) {
            list.SetSelectedItem(row);
            m_nSelItem = row;
            return;
        }
    }
    Choose(-1);
}

// Both empty the list inside LoadConnections, with its redraw off, so that the old rows stay
// on screen until the new ones are all there.
void CConnectionsPage::OnTimer(UINT) {
    LoadConnections();
}

void CConnectionsPage::OnRefresh() {
    LoadConnections();
}

// The connection chosen is the row that became selected last; when it is taken off the
// selection (Ctrl, or through the accessibility bus), another selected row if there is one.
void CConnectionsPage::OnItemChangedList(const CNotification& notification) {
    const CListViewCtrl& list = List();
    const int item = notification.item;
    if (item >= 0 && item < list.GetItemCount() && list.Rows()[static_cast<size_t>(item)].selected)
        Choose(item);
    else if (item == m_nSelItem)
        Choose(list.GetSelectedItem());
}

// Disconnect names the chosen connection's index, so it is on only while there is one: a
// click on empty space or a row taken off the selection leaves nothing for it to name.
void CConnectionsPage::Choose(int row) {
    m_nSelItem = row;
    m_strSelIdx = row >= 0 ? List().GetItemText(row, 1) : std::string();
    GetDlgItem(IDC_CONNECTION_DISCONNECT)->EnableWindow(row >= 0);
}

void CConnectionsPage::OnDisconnect() {
    const std::string index = List().GetItemText(m_nSelItem, 1);
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "disc " + index + "\r\n", 3,
        "Disconnection is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    if (Left(reply, Length(reply) - 2) == "+OK")
        OnRefresh();
    else
        MessageBox("Disconnection is Failed. Try again");
}
