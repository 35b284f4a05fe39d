#include "session/SearchDlg.h"

#include <algorithm>
#include <array>
#include <optional>

#include "session/LoginDlg.h"
#include "session/ManagerWindow.h"
#include "ui/Application.h"
#include "ui/DataExchange.h"
#include "ui/ListViewCtrl.h"
#include "ui/Text.h"

namespace {

// The list's size in dialog units, in which a character of the font's average width is 4
// wide and its height 8.
constexpr int kListWidth = 209;
constexpr int kListHeight = 90;
// What the empty list's text has room for: the rows area below the header, less the text's
// margins, in lines spaced a little wider than the font is high.
constexpr CTextBox kHintBox{(kListWidth - 12) / 4, (kListHeight - 16) / 10};

const CDialogResource& SearchDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_SEARCH,
        "Velmora42 Manager",
        {223, 175},
        "System",
        10,
        {
            {IDC_DEVICE_LIST, ControlKind::ListView, "", DlgRect(7, 7, kListWidth, kListHeight),
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

// The list's columns; the zero-width ones hold the rest of each row's device record.
struct ListColumn {
    const char* header;
    int width;
};
constexpr std::array<ListColumn, 8> kColumns{{
    {"          Name", 140},
    {"code", 0},
    {"number", 0},
    {"        IPAddr", 120},
    {"   Port ", 0},
    {"            MAC", 142},
    {"friend", 0},
    {"Blue", 0},
}};
enum Column { kName, kCode, kNumber, kIpAddr, kPort, kMac, kFriend, kBlue };

// While replies pour in the list is shown anew this often, so that a reply costs the time to
// read and insert it, not a repaint.
constexpr std::uint64_t kRepaintEveryMs = 50;

} // namespace

CSearchDlg::CSearchDlg(CDiscoveryTarget target)
    : CDialog(SearchDlgResource()), m_target(std::move(target)) {
    MessageMap()
        .Clicked(IDC_SEARCH, &CSearchDlg::OnSearch)
        .Clicked(IDC_CONNECT, &CSearchDlg::OnConnect)
        .Clicked(IDC_SEARCH_CANCEL, &CSearchDlg::OnCancel)
        .Notify(IDC_DEVICE_LIST, LVN_ITEMCHANGED, &CSearchDlg::OnItemChangedList)
        .Notify(IDC_DEVICE_LIST, NM_RCLICK, &CSearchDlg::OnRClickList)
        .Notify(IDC_DEVICE_LIST, HDN_ITEMDBLCLICK, &CSearchDlg::OnHeaderDblClick)
        .Command(IDC_IP_ADDRESS, EN_CHANGE, &CSearchDlg::OnChangeAddress)
        .Command(IDC_CONTROL_PORT, EN_CHANGE, &CSearchDlg::OnChangeAddress);
}

CSearchDlg::~CSearchDlg() = default;

void CSearchDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_IP_ADDRESS, m_strIP);
    DDX_Text(dx, IDC_CONTROL_PORT, m_strPort);
}

bool CSearchDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetActiveWindow();
    InsertColumns();
    m_pSearch = std::make_unique<CDiscoverySearch>(m_target);
    if (!m_pSearch->Open()) {
        m_pSearch.reset();
        MessageBox("The application create Fail. Try again");
        EndDialog(IDCANCEL);
        return true;
    }
    m_strIP.clear();
    m_strPort.clear();
    GetDlgItem(IDC_CONNECT)->EnableWindow(false);
    UpdateData(false);
    return true;
}

void CSearchDlg::OnDestroy() {
    m_pSearch.reset();
}

void CSearchDlg::InsertColumns() {
    auto& list = Item<CListViewCtrl>(IDC_DEVICE_LIST);
    for (int i = 0; i < static_cast<int>(kColumns.size()); ++i)
        list.InsertColumn(i, kColumns[i].header, ColumnAlign::Left, kColumns[i].width);
}

void CSearchDlg::OnSearch() {
    Discover();
}

bool CSearchDlg::Discover() {
    auto& list = Item<CListViewCtrl>(IDC_DEVICE_LIST);
    list.DeleteAllItems();
    list.SetEmptyText({});
    IUiBackend& backend = Application().Backend();
    std::optional<CBlockingScope> blocking(std::in_place);
    std::uint64_t painted = backend.GetTickCount();
    CSearchHooks hooks;
    hooks.now = [&backend] { return backend.GetTickCount(); };
    hooks.wait = [&](int ms) {
        list.SetRedraw(true); // the waits repaint, with the rows read so far
        backend.WaitWithoutInput(ms);
        painted = backend.GetTickCount();
    };
    hooks.found = [&](const CDeviceRecord& record) {
        list.SetRedraw(false);
        InsertRow(record);
    };
    hooks.read = [&] {
        if (backend.GetTickCount() - painted < kRepaintEveryMs)
            return;
        list.SetRedraw(true);
        backend.RepaintNow();
        painted = backend.GetTickCount();
    };
    hooks.receiveFailed = [&] {
        list.SetRedraw(true);
        blocking.reset(); // the operator has to be able to answer the message box
        MessageBox("ReceiveData Error");
        blocking.emplace();
    };
    const CDiscoveryResult result = m_pSearch->Run(hooks);
    blocking.reset();
    list.SetRedraw(true);
    if (list.GetItemCount() == 0)
        list.SetEmptyText(NoAnswerText(result.sends, m_target.address, kHintBox),
                          NoAnswerText(result.sends, m_target.address));
    if (AnySent(result.sends))
        return true;
    MessageBox("Search Error. Check Velmora42 and Try again");
    return false;
}

// The newest reply goes on top.
void CSearchDlg::InsertRow(const CDeviceRecord& record) {
    auto& list = Item<CListViewCtrl>(IDC_DEVICE_LIST);
    list.InsertItem(0, record.btName);
    list.SetItemText(0, kCode, record.modelCode);
    list.SetItemText(0, kNumber, record.serialNumber);
    list.SetItemText(0, kIpAddr, record.ipAddress);
    list.SetItemText(0, kPort, record.controlPort);
    list.SetItemText(0, kMac, record.macAddress);
    list.SetItemText(0, kFriend, record.productName);
    list.SetItemText(0, kBlue, record.bdAddr);
}

void CSearchDlg::CopyRowToRecord(int row) {
    const auto& list = Item<CListViewCtrl>(IDC_DEVICE_LIST);
    m_strBtName = list.GetItemText(row, kName);
    m_strModelCode = list.GetItemText(row, kCode);
    m_strSerialNumber = list.GetItemText(row, kNumber);
    m_strIPAddress = list.GetItemText(row, kIpAddr);
    m_strControlPort = list.GetItemText(row, kPort);
    m_strMACAddress = list.GetItemText(row, kMac);
    m_strProductName = list.GetItemText(row, kFriend);
    m_strBdAddr = list.GetItemText(row, kBlue);
}

// The list reports only the operator's selection changes (the old row losing it, then the
// new row gaining it), never texts set by a discovery, so a search keeps the operator's
// choice.
void CSearchDlg::OnItemChangedList(const CNotification& notification) {
    m_nSelItem = notification.item;
    CopyRowToRecord(m_nSelItem);
    const auto& list = Item<CListViewCtrl>(IDC_DEVICE_LIST);
    m_strIP = list.GetItemText(m_nSelItem, kIpAddr);
    m_strPort = list.GetItemText(m_nSelItem, kPort);
    GetDlgItem(IDC_CONNECT)->EnableWindow(true);
    UpdateData(false);
}

void CSearchDlg::OnChangeAddress() {
    GetDlgItem(IDC_CONNECT)
        ->EnableWindow(!GetDlgItemText(IDC_IP_ADDRESS).empty() &&
                       !GetDlgItemText(IDC_CONTROL_PORT).empty());
}

// The list reports the click in its own coordinates; the menu opens there as if they were
// the dialog's.
void CSearchDlg::OnRClickList(const CNotification& notification) {
    const UINT chosen = TrackPopupMenu({CMenuItem{ID_DETAIL_INFORMATION, "Detail Information"}},
                                       notification.point);
    if (chosen == ID_DETAIL_INFORMATION)
        MessageBox(DetailText());
}

std::string CSearchDlg::DetailText() const {
    const std::string separator = "\r \n";
    return "Product Name                   : " + m_strProductName + separator +
           "Model Code                      : " + m_strModelCode + separator +
           "Product Serial Number       :  " + m_strSerialNumber + separator +
           "IP Address                        : " + m_strIPAddress + separator +
           "Control Port                       : " + m_strControlPort + separator +
           "MAC Address                    : " + m_strMACAddress + separator +
           "Bluetooth Friendly Name     : " + m_strBtName + separator +
           "Bluetooth Address              : " + m_strBdAddr;
}

void CSearchDlg::OnHeaderDblClick() {
    MessageBox("Selected");
}

void CSearchDlg::OnConnect() {
    if (!Discover())
        return;
    // The typed address picks the record of the row that announced it, if any.
    m_strIP = GetDlgItemText(IDC_IP_ADDRESS);
    const auto& list = Item<CListViewCtrl>(IDC_DEVICE_LIST);
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, kIpAddr) == m_strIP)
            CopyRowToRecord(row);
    m_strIPAddress = GetDlgItemText(IDC_IP_ADDRESS);
    m_strControlPort = GetDlgItemText(IDC_CONTROL_PORT);

    CLoginDlg login;
    // The dialog has ended meanwhile when the old connection was lost while the operator typed.
    if (login.DoModal() != IDOK || IsEnded())
        return;
    CManagerWindow& main = GetManagerWindow();
    m_strUserID = main.m_strUserID = login.m_strEnteredUserID;
    m_strPassword = main.m_strPassword = login.m_strEnteredPassword;

    UpdateData(true);
    m_nPort = LeadingInt(m_strPort);
    if (OpenControlConnection())
        EndDialog(IDOK);
}

bool CSearchDlg::OpenControlConnection() {
    CManagerWindow& main = GetManagerWindow();
    if (main.m_pSocket) {
        main.DeleteControlSocket();
        main.OnControlConnectionReplaced();
        main.ClearLog();
        if (!main.CreateControlSocket()) {
            MessageBox("The application create Fail. Try again");
            return false;
        }
    } else if (!main.CreateControlSocket()) {
        return false;
    }
    // On failure the unconnected socket stays until the next Connect. Only painting goes
    // on while the appliance is awaited.
    bool connected;
    {
        CBlockingScope blocking;
        connected =
            main.m_pSocket->Connect(m_strIP, m_nPort, [] { Application().Backend().RepaintNow(); });
    }
    if (!connected) {
        MessageBox("Velmora42 Connection is failed");
        return false;
    }
    if (!main.Login()) {
        MessageBox("Check User name and Password.");
        main.DeleteControlSocket();
        SetActiveWindow();
        return false;
    }
    return true;
}
