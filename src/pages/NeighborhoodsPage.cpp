#include "pages/NeighborhoodsPage.h"

#include "appliance/NeighbourListing.h"
#include "session/ManagerWindow.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/DataExchange.h"
#include "ui/ListViewCtrl.h"
#include "ui/Text.h"

namespace {

constexpr UINT kPageTimer = 1;
constexpr UINT kPeriodMs = 2000;
// Version 1.7: the first firmware with the periodic inquiry.
constexpr int kFirstInquiryFirmware = 263;

const CDialogResource& NeighborhoodsPageResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_NEIGHBORHOODS_PAGE,
        "",
        {289, 167},
        "Arial",
        9,
        {
            {-1, ControlKind::GroupBox, "", DlgRect(7, 3, 275, 134)},
            {-1, ControlKind::Static, "Interval (sec)", DlgRect(14, 14, 50, 8)},
            {IDC_INQUIRY_INTERVAL, ControlKind::Edit, "", DlgRect(66, 12, 34, 12)},
            {-1, ControlKind::Static, "Length (sec)", DlgRect(110, 14, 46, 8)},
            {IDC_INQUIRY_LENGTH, ControlKind::Edit, "", DlgRect(158, 12, 34, 12)},
            {-1, ControlKind::Static, "Inquiry Access Code", DlgRect(14, 31, 76, 8)},
            {IDC_INQUIRY_ACCESS_CODE, ControlKind::ComboBox, "", DlgRect(92, 29, 60, 40),
             DropDownList | Sorted},
            {IDC_INQUIRY_START, ControlKind::PushButton, "Start", DlgRect(174, 28, 50, 14)},
            {IDC_INQUIRY_STOP, ControlKind::PushButton, "Stop", DlgRect(226, 28, 50, 14)},
            {IDC_NEIGHBOUR_LIST, ControlKind::ListView, "", DlgRect(14, 48, 262, 84),
             FullRowSelect | GridLines},
        },
        true,
    };
    return resource;
}

} // namespace

CNeighborhoodsPage::CNeighborhoodsPage() : CTabPage(NeighborhoodsPageResource()) {
    MessageMap()
        .Timer(&CNeighborhoodsPage::OnTimer)
        .Clicked(IDC_INQUIRY_START, &CNeighborhoodsPage::OnStart)
        .Clicked(IDC_INQUIRY_STOP, &CNeighborhoodsPage::OnStop);
}

CListViewCtrl& CNeighborhoodsPage::List() const {
    return Item<CListViewCtrl>(IDC_NEIGHBOUR_LIST);
}

bool CNeighborhoodsPage::OnInitDialog() {
    auto& accessCode = Item<CComboBoxCtrl>(IDC_INQUIRY_ACCESS_CODE);
    accessCode.AddString("General");
    accessCode.AddString("Limited");
    CListViewCtrl& list = List();
    list.InsertColumn(0, "BDADDR", ColumnAlign::Left, 120);
    list.InsertColumn(1, "CoD", ColumnAlign::Left, 100);
    list.InsertColumn(2, "Bluetooth Friendly Name", ColumnAlign::Left, 240);
    // The members are shown once the combo box has its entries to select from.
    return CTabPage::OnInitDialog();
}

void CNeighborhoodsPage::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_INQUIRY_INTERVAL, m_strInterval);
    DDX_Text(dx, IDC_INQUIRY_LENGTH, m_strLength);
    DDX_CBIndex(dx, IDC_INQUIRY_ACCESS_CODE, m_nAccessCode);
}

void CNeighborhoodsPage::EnableInquiryControls(bool running) {
    for (int id :
         {IDC_INQUIRY_START, IDC_INQUIRY_INTERVAL, IDC_INQUIRY_LENGTH, IDC_INQUIRY_ACCESS_CODE})
        GetDlgItem(id)->EnableWindow(!running);
    GetDlgItem(IDC_INQUIRY_STOP)->EnableWindow(running);
}

void CNeighborhoodsPage::QueryPeriodicInquiry(bool startPoll) {
    if (GetManagerWindow().m_nFirmwareVersion < kFirstInquiryFirmware) {
        // Nothing here enables the list again; pages made for the next appliance start enabled.
        for (int id : {IDC_INQUIRY_START, IDC_INQUIRY_STOP, IDC_INQUIRY_INTERVAL,
                       IDC_INQUIRY_LENGTH, IDC_INQUIRY_ACCESS_CODE, IDC_NEIGHBOUR_LIST})
            GetDlgItem(id)->EnableWindow(false);
        return;
    }
    const std::string reply = GetManagerWindow().SendCommand("pinq\r\n", 3);
    if (Find(reply, "+OK") < 0) {
        MessageBox("Getting Periodic Inquiry failed.");
        return;
    }
    const CPeriodicInquiry inquiry = ParsePeriodicInquiry(reply);
    m_strInterval = inquiry.interval;
    m_strLength = inquiry.length;
    m_nAccessCode = inquiry.accessCode;
    EnableInquiryControls(inquiry.running);
    // An inquiry reported off leaves a running timer running; Stop and tab clicks end it.
    if (startPoll && inquiry.running && !m_bTimerRunning) {
        SetTimer(kPageTimer, kPeriodMs);
        m_bTimerRunning = true;
    }
    UpdateData(false);
}

void CNeighborhoodsPage::OnStart() {
    UpdateData(true);
    // The appliance judges the texts; empty edits give consecutive blanks.
    const std::string_view code = m_nAccessCode == 0 ? kGeneralAccessCode : kLimitedAccessCode;
    GetManagerWindow().SendCommand(
        "pinq on " + m_strInterval + " " + m_strLength + " " + std::string(code) + "\r\n", 3);
    // What the page shows next is what the appliance reports, not what was asked for.
    QueryPeriodicInquiry();
}

void CNeighborhoodsPage::OnStop() {
    m_bTimerRunning = false;
    KillTimer(kPageTimer);
    GetManagerWindow().SendCommand("pinq off\r\n", 3);
    EnableInquiryControls(false);
}

void CNeighborhoodsPage::OnTimer(UINT) {
    const std::string reply = GetManagerWindow().SendCommand("ngbrh\r\n", 2);
    if (Find(reply, "+OK") < 0)
        return;
    CListViewCtrl& list = List();
    CRedrawHold hold(list);
    list.DeleteAllItems();
    int row = 0;
    for (const CNeighbourRow& neighbour : ParseNeighbourListing(reply)) {
        list.InsertItem(row, neighbour[0]);
        list.SetItemText(row, 1, neighbour[1]);
        list.SetItemText(row, 2, neighbour[2]);
        ++row;
    }
}
