#include "pages/BluetoothPage.h"

#include "appliance/BluetoothReplies.h"

#include "session/ManagerWindow.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/DataExchange.h"
#include "ui/ListViewCtrl.h"
#include "ui/SpinCtrl.h"
#include "ui/Text.h"

namespace {

// Each local device carries at most seven Bluetooth links.
constexpr int kLinksPerLocalDevice = 7;
constexpr int kLinkTimeoutMax = 30;
constexpr int kLocalDeviceFields = 6;

const CDialogResource& BluetoothPageResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_BLUETOOTH_PAGE,
        "",
        {295, 154},
        "Arial",
        9,
        {
            {-1, ControlKind::Static, "Name", DlgRect(9, 8, 42, 8)},
            {IDC_BT_NAME, ControlKind::Edit, "", DlgRect(54, 6, 90, 12)},
            {-1, ControlKind::Static, "PIN Code", DlgRect(154, 8, 40, 8)},
            {IDC_BT_PIN_CODE, ControlKind::Edit, "", DlgRect(196, 6, 90, 12), None,
             CBluetoothPage::kPinCodeLimit},
            {-1, ControlKind::Static, "MaxDT", DlgRect(9, 24, 42, 8)},
            {IDC_BT_MAXDT, ControlKind::Edit, "", DlgRect(54, 22, 36, 12)},
            {IDC_BT_MAXDT_SPIN, ControlKind::Spin, "Spin1", DlgRect(90, 22, 10, 12),
             AutoBuddy | SetBuddyInt},
            {-1, ControlKind::Static, "Security", DlgRect(154, 24, 40, 8)},
            {IDC_BT_SECURITY, ControlKind::ComboBox, "", DlgRect(196, 22, 50, 40), DropDown},
            {-1, ControlKind::Static, "LinkTimeout", DlgRect(9, 40, 42, 8)},
            {IDC_BT_LINK_TIMEOUT, ControlKind::Edit, "", DlgRect(54, 38, 36, 12)},
            {IDC_BT_LINK_TIMEOUT_SPIN, ControlKind::Spin, "Spin2", DlgRect(90, 38, 10, 12),
             AutoBuddy | SetBuddyInt},
            {-1, ControlKind::Static, "sec", DlgRect(104, 40, 16, 8)},
            {IDC_BT_APPLY, ControlKind::PushButton, "Apply", DlgRect(180, 37, 50, 14)},
            {IDC_BT_REFRESH, ControlKind::PushButton, "Refresh", DlgRect(236, 37, 50, 14)},
            {-1, ControlKind::GroupBox, "", DlgRect(7, 52, 281, 20)},
            {IDC_BT_PAIRABLE, ControlKind::CheckBox, "Pairable", DlgRect(20, 59, 60, 10)},
            {IDC_BT_CONNECTABLE, ControlKind::CheckBox, "Connectable", DlgRect(110, 59, 60, 10)},
            {IDC_BT_DISCOVERABLE, ControlKind::CheckBox, "Discoverable", DlgRect(200, 59, 64, 10)},
            {IDC_BT_LOCAL_DEVICES_GROUP, ControlKind::GroupBox, "Local Devices",
             DlgRect(7, 74, 281, 66), LargeFont},
            {IDC_BT_LOCAL_DEVICES, ControlKind::ListView, "", DlgRect(14, 88, 267, 48),
             FullRowSelect | GridLines | FixedFont},
        },
        true,
    };
    return resource;
}

// Splits a device line on "|" into the six columns. A missing "|" leaves its field empty
// and the rest of the line for the next one, so the last column always gets the remainder.
std::vector<std::string> SplitDeviceLine(std::string_view line) {
    std::vector<std::string> fields;
    std::string rest(line);
    for (int i = 0; i < kLocalDeviceFields - 1; ++i) {
        const int bar = Find(rest, '|');
        if (bar < 0) {
            fields.emplace_back();
            continue;
        }
        fields.push_back(Left(rest, bar));
        rest = Mid(rest, bar + 1);
    }
    fields.push_back(rest);
    return fields;
}

} // namespace

CBluetoothPage::CBluetoothPage() : CTabPage(BluetoothPageResource()) {
    MessageMap()
        .Clicked(IDC_BT_APPLY, &CBluetoothPage::OnApply)
        .Clicked(IDC_BT_REFRESH, &CBluetoothPage::OnRefresh);
}

bool CBluetoothPage::OnInitDialog() {
    CTabPage::OnInitDialog();
    auto& security = Item<CComboBoxCtrl>(IDC_BT_SECURITY);
    security.AddString("low");
    security.AddString("high");
    security.SetCurSel(0);
    auto& linkTimeout = Item<CSpinCtrl>(IDC_BT_LINK_TIMEOUT_SPIN);
    linkTimeout.SetBuddy(IDC_BT_LINK_TIMEOUT);
    linkTimeout.SetRange(1, kLinkTimeoutMax);
    linkTimeout.SetPos(kLinkTimeoutMax);
    auto& list = Item<CListViewCtrl>(IDC_BT_LOCAL_DEVICES);
    list.InsertColumn(0, "idx", ColumnAlign::Left, 30);
    list.InsertColumn(1, "         BDAddr", ColumnAlign::Left, 120);
    list.InsertColumn(2, "     Tx", ColumnAlign::Left, 70);
    list.InsertColumn(3, "     Rx", ColumnAlign::Left, 70);
    list.InsertColumn(4, " Tx_Err", ColumnAlign::Left, 60);
    list.InsertColumn(5, " Rx_Err", ColumnAlign::Left, 60);
    return true;
}

void CBluetoothPage::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_BT_NAME, m_strName);
    DDX_Text(dx, IDC_BT_PIN_CODE, m_strPinCode);
    DDV_MaxChars(dx, m_strPinCode, kPinCodeLimit);
    DDX_Check(dx, IDC_BT_PAIRABLE, m_bPairable);
    DDX_Text(dx, IDC_BT_MAXDT, m_strMaxDT);
    DDX_Check(dx, IDC_BT_CONNECTABLE, m_bConnectable);
    DDX_Check(dx, IDC_BT_DISCOVERABLE, m_bDiscoverable);
    DDX_Text(dx, IDC_BT_LINK_TIMEOUT, m_strLinkTimeout);
}

bool CBluetoothPage::QuerySettings(bool withLinkTimeout) {
    struct SettingQuery {
        const char* command;
        const char* timeoutMessage;
        const char* failureMessage;
        void (CBluetoothPage::*take)(const std::string& reply);
    };
    static constexpr SettingQuery kQueries[] = {
        {"BTName\r\n", "Get Bluetooth Information is timeout. Check Velmora42 and Try again.",
         "Get BTName is Failed. Try again", &CBluetoothPage::TakeName},
        {"Maxdt\r\n", "Get Maxdt is timeout. Check Velmora42 and Try again.",
         "Get Maxdt is Failed. Try again", &CBluetoothPage::TakeMaxDT},
        {"Linkto\r\n", "Get LinkTimeout is timeout. Check Velmora42 and Try again.",
         "Get LinkTimeout is Failed. Try again", &CBluetoothPage::TakeLinkTimeout},
        {"Scan\r\n", "Get Scan is timeout. Check Velmora42 and Try again.",
         "Get Scan is Failed. Try again", &CBluetoothPage::TakeScan},
        {"Secu\r\n", "Get Security is timeout. Check Velmora42 and Try again.",
         "Get Secu is Failed. Try again", &CBluetoothPage::TakeSecurity},
        {"Pair\r\n", "Get Pairable is timeout. Check Velmora42 and Try again.",
         "Get Pair is Failed. Try again", &CBluetoothPage::TakePairable},
    };
    for (const SettingQuery& query : kQueries) {
        if (query.take == &CBluetoothPage::TakeLinkTimeout && !withLinkTimeout)
            continue;
        const std::string reply = GetManagerWindow().SendCommandOrReconnect(*this, query.command, 0,
                                                                            query.timeoutMessage);
        if (reply.empty())
            return false;
        const std::string stripped = StripLineEnd(reply);
        if (Left(stripped, 3) != "+OK") {
            MessageBox(query.failureMessage);
            return false;
        }
        (this->*query.take)(stripped);
    }
    return true;
}

void CBluetoothPage::TakeName(const std::string& reply) {
    m_strName = NameFromReply(reply); // shown together with the MaxDT value
}

void CBluetoothPage::TakeMaxDT(const std::string& reply) {
    m_strMaxDT = MaxDtFromReply(reply);
    UpdateData(false);
}

void CBluetoothPage::TakeLinkTimeout(const std::string& reply) {
    m_strLinkTimeout = LinkTimeoutFromReply(reply);
    UpdateData(false);
}

void CBluetoothPage::TakeScan(const std::string& reply) {
    if (const auto flags = ScanFromReply(reply, {m_bDiscoverable, m_bConnectable})) {
        m_bDiscoverable = flags->discoverable;
        m_bConnectable = flags->connectable;
    }
    UpdateData(false);
}

void CBluetoothPage::TakeSecurity(const std::string& reply) {
    if (const auto security = SecurityFromReply(reply))
        SetSecurity(*security);
}

void CBluetoothPage::TakePairable(const std::string& reply) {
    if (const auto pairable = PairableFromReply(reply))
        m_bPairable = *pairable;
    UpdateData(false);
}

void CBluetoothPage::LoadSettings() {
    if (!QuerySettings(true))
        return;
    LoadLocalDevices();
    // Whatever the listing gave: the spin offers what the devices counted last can carry.
    auto& maxDT = Item<CSpinCtrl>(IDC_BT_MAXDT_SPIN);
    maxDT.SetBuddy(IDC_BT_MAXDT);
    maxDT.SetRange(0, kLinksPerLocalDevice * m_nLocalDevices);
}

void CBluetoothPage::OnRefresh() {
    QuerySettings(false);
}

void CBluetoothPage::LoadLocalDevices() {
    auto& list = Item<CListViewCtrl>(IDC_BT_LOCAL_DEVICES);
    list.DeleteAllItems();
    const std::string reply = GetManagerWindow().SendCommandOrReconnect(
        *this, "Stat\r\n", 1, "Get Stat is timeout. Check Velmora42 and Try again.");
    if (reply.empty())
        return;
    if (Left(reply, 4) == "-ERR") {
        MessageBox("Stat is Failed. Try again");
        return;
    }
    m_nLocalDevices = 0;
    // Device lines, each ended by "\r\n", closed by "+OK"; a listing cut after a whole line
    // is taken as it is, one cut inside a line is reported.
    int start = 0;
    while (start < Length(reply)) {
        const int end = Find(reply, "\r\n", start);
        if (end < 0) {
            MessageBox(" Get Local Devices is imperfect. Try again");
            return;
        }
        const std::string line = Mid(reply, start, end - start);
        if (line == "+OK")
            return;
        const std::vector<std::string> fields = SplitDeviceLine(line);
        const int row = list.InsertItem(m_nLocalDevices, fields[0]);
        for (int column = 1; column < kLocalDeviceFields; ++column)
            list.SetItemText(row, column, fields[static_cast<size_t>(column)]);
        ++m_nLocalDevices;
        start = end + 2;
    }
}

std::string CBluetoothPage::GetSecurity() {
    UpdateData(true);
    const int selection = Item<CComboBoxCtrl>(IDC_BT_SECURITY).GetCurSel();
    if (selection == 0)
        m_strSecurity = "low";
    else if (selection == 1)
        m_strSecurity = "high";
    return m_strSecurity;
}

void CBluetoothPage::SetSecurity(const std::string& security) {
    Item<CComboBoxCtrl>(IDC_BT_SECURITY).SetCurSel(security == "high" ? 1 : 0);
    UpdateData(false);
}

bool CBluetoothPage::Set(const std::string& command, const char* timeoutMessage,
                         const char* failureMessage) {
    const std::string reply =
        GetManagerWindow().SendCommandOrReconnect(*this, command, 0, timeoutMessage);
    if (reply.empty())
        return false;
    UpdateData(false);
    // Only a bare "+OK" is an acceptance; anything after it is not.
    if (StripLineEnd(reply) != "+OK") {
        MessageBox(failureMessage);
        return false;
    }
    return true;
}

bool CBluetoothPage::SetScan() {
    const char* const timeout = "Set Scan is timeout. Check Velmora42 and Try again.";
    if (m_bDiscoverable && m_bConnectable)
        return Set("Scan Inquiry page\r\n", timeout,
                   "Discoverable and Connectable Setup Fail. Try again");
    if (m_bDiscoverable)
        return Set("Scan Inquiry\r\n", timeout, "Discoverable Setup Fail. Try again");
    if (m_bConnectable)
        return Set("Scan Page\r\n", timeout, "Connectable Setup Fail. Try again");
    return Set("Scan noscan\r\n", timeout, "Noscan Setup Fail. Try again");
}

void CBluetoothPage::OnApply() {
    const bool noMaxDT = GetDlgItemText(IDC_BT_MAXDT).empty();
    const bool noName = GetDlgItemText(IDC_BT_NAME).empty();
    const bool noLinkTimeout = GetDlgItemText(IDC_BT_LINK_TIMEOUT).empty();
    const bool withPinCode = !GetDlgItemText(IDC_BT_PIN_CODE).empty();
    if (noMaxDT && noName && noLinkTimeout) {
        MessageBox("Fill the Maxdt and Velmora42 Name");
        return;
    }
    if (noMaxDT) {
        MessageBox("Fill the Maxdt");
        return;
    }
    if (noName) {
        MessageBox("Fill the Velmora42 Name");
        return;
    }
    if (noLinkTimeout) {
        MessageBox("Fill the LinkTimeout");
        return;
    }
    if (!UpdateData(true))
        return;
    if (!Set("BTName " + m_strName + "\r\n",
             "Set Bluetooth Information is timeout. Check Velmora42 and Try again.",
             "BTName Setup Fail. Try again") ||
        !Set("Maxdt " + m_strMaxDT + "\r\n", "Set Maxdt is timeout. Check Velmora42 and Try again.",
             "Maxdt Setup Fail. Try again") ||
        !Set("Linkto " + m_strLinkTimeout + "\r\n",
             "Set LinkTimeout is timeout. Check Velmora42 and Try again.",
             "LinkTimeout Setup Fail. Try again") ||
        !Set("Secu " + GetSecurity() + "\r\n",
             "Set Security is timeout. Check Velmora42 and Try again.",
             "Security Setup Fail. Try again"))
        return;
    if (withPinCode && !Set("Pin " + m_strPinCode + "\r\n",
                            "Set Pin Code is timeout. Check Velmora42 and Try again.",
                            "Pin Code Setup Fail. Try again"))
        return;
    if (!Set(std::string("Pair ") + (m_bPairable ? "on" : "off") + "\r\n",
             "Set Pairable is timeout. Check Velmora42 and Try again.",
             "Pairable Setup Fail. Try again") ||
        !SetScan())
        return;
    m_bApplied = true;
    // The code is not left on screen; the member keeps it for the next showing.
    SetDlgItemText(IDC_BT_PIN_CODE, "");
}
