#include "app/ManagerDlg.h"

#include "app/AboutDlg.h"
#include "modes/ModePage.h"
#include "pages/BluetoothPage.h"
#include "pages/ConnectionsPage.h"
#include "pages/InformationPage.h"
#include "pages/NeighborhoodsPage.h"
#include "settings/SettingsTransfer.h"
#include "ui/EditCtrl.h"

namespace {

const CDialogResource& ManagerDlgResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_MANAGER_DIALOG,
        "Velmora42 Manager",
        {310, 242},
        "Arial",
        9,
        {
            {IDC_PAGE_TAB, ControlKind::Tab, "", DlgRect(11, 5, 288, 157)},
            {IDC_LOG, ControlKind::Edit, "", DlgRect(11, 164, 288, 75),
             ReadOnly | MultiLine | VScroll | HScroll | AutoScroll},
        },
    };
    return resource;
}

constexpr int kPageTimer = 1;
constexpr UINT kConnectionsPeriodMs = 2000;

// The Connections and Neighborhoods pages each keep a flag telling that their timer runs.
template <class TPage> void StopPageTimer(TPage& page) {
    if (page.m_bTimerRunning) {
        page.KillTimer(kPageTimer);
        page.m_bTimerRunning = false;
    }
}

} // namespace

CManagerDlg::CManagerDlg(CDiscoveryTarget discoveryTarget)
    : CManagerWindow(ManagerDlgResource(), std::move(discoveryTarget)),
      m_tabCtrl(*this, *ManagerDlgResource().Find(IDC_PAGE_TAB)) {
    BindControl(m_tabCtrl);
    MessageMap()
        .Notify(IDC_PAGE_TAB, TCN_SELCHANGE, &CManagerDlg::OnSelchangeTab)
        .Notify(IDC_PAGE_TAB, NM_CLICK, &CManagerDlg::OnClickTab)
        .Message(WM_RECONNECT, &CManagerDlg::OnReconnect)
        .Message(WM_RELOGIN, &CManagerDlg::OnRelogin)
        .SysCommand(&CManagerDlg::OnSysCommand);
}

CManagerDlg::~CManagerDlg() = default;

bool CManagerDlg::OnInitDialog() {
    CManagerWindow::OnInitDialog();
    AppendSystemMenuItem(0, "");
    AppendSystemMenuItem(IDM_ABOUTBOX, "Velmora42 Manager Info(&A)...");
    // The text after the tab is the entry's keyboard shortcut.
    AppendSystemMenuItem(IDM_SAVE_SETTINGS, "Save Settings...\tCtrl+S");
    AppendSystemMenuItem(IDM_LOAD_SETTINGS, "Load Settings...\tCtrl+O");

    if (!m_pSocket && !CreateControlSocket()) {
        MessageBox("The application create Fail. Try again");
        return true;
    }
    if (m_searchDlg.DoModal() != IDOK) {
        PostMessage(WM_CLOSE);
        return true;
    }
    for (int i = 0; i < CPageTabCtrl::kPageCount; ++i)
        m_tabCtrl.InsertItem(i, CPageTabCtrl::TabText(i));
    m_tabCtrl.CreatePages();
    m_tabCtrl.InformationPage().RefreshPage();
    m_tabCtrl.ModePage().RefreshPage();
    LoadCommandList();
    SetActiveWindow();
    return true;
}

void CManagerDlg::OnPaint() {
    SetWindowText("Velmora42 Manager : " + m_searchDlg.m_strBtName + " - " +
                  m_searchDlg.m_strIPAddress);
}

void CManagerDlg::OnDestroy() {
    m_tabCtrl.DestroyPages();
    DeleteControlSocket();
}

// A tab changed with the keys is shown but not refreshed; its timers change as on a click,
// so that no page polls behind another one.
void CManagerDlg::OnSelchangeTab() {
    const int selection = m_tabCtrl.GetCurSel();
    if (selection < 0)
        return;
    m_tabCtrl.ShowPage(selection);
    if (m_tabCtrl.PagesCreated())
        SetPageTimersFor(selection);
}

void CManagerDlg::OnClickTab() {
    const int previous = m_nCurTab;
    m_nCurTab = m_tabCtrl.GetCurSel();
    if (m_nCurTab == previous || !m_tabCtrl.PagesCreated())
        return;
    SetPageTimersFor(m_nCurTab);
    if (m_nCurTab >= 0)
        m_tabCtrl.Page(m_nCurTab).RefreshPage();
}

void CManagerDlg::SetPageTimersFor(int tab) {
    StopPageTimers();
    if (tab == CPageTabCtrl::kConnections) {
        CConnectionsPage& connections = m_tabCtrl.ConnectionsPage();
        connections.SetTimer(kPageTimer, kConnectionsPeriodMs);
        connections.m_bTimerRunning = true;
    }
}

void CManagerDlg::StopPageTimers() {
    if (!m_tabCtrl.PagesCreated())
        return;
    StopPageTimer(m_tabCtrl.ConnectionsPage());
    StopPageTimer(m_tabCtrl.NeighborhoodsPage());
}

void CManagerDlg::SelectFirstTab() {
    m_tabCtrl.SetCurSel(0);
    PostNotification(MakeNotification(IDC_PAGE_TAB, NM_CLICK));
    PostNotification(MakeNotification(IDC_PAGE_TAB, TCN_SELCHANGE));
}

CTabPage* CManagerDlg::FindPage(int resourceId) const {
    for (int i = 0; i < CPageTabCtrl::kPageCount; ++i)
        if (m_tabCtrl.Page(i).Resource().id == resourceId)
            return &m_tabCtrl.Page(i);
    return nullptr;
}

void CManagerDlg::RecreatePages() {
    m_tabCtrl.CreatePages();
}

void CManagerDlg::OnControlConnectionReplaced() {
    CBluetoothPage& bluetooth = m_tabCtrl.BluetoothPage();
    bluetooth.m_strName.clear();
    bluetooth.m_strPinCode.clear();
    bluetooth.m_strMaxDT.clear();
}

// Once the window is closing (the appliance went away while a dialog was open, and the page
// behind it then timed out on the dead connection) there is nothing to reconnect for.
void CManagerDlg::OnReconnect() {
    ReconnectStarted();
    // A time-out inside the search dialog's own login posts this while the dialog is open:
    // the open dialog already lets the operator search again.
    if (IsEnded() || m_searchDlg.GetSafeHwnd() != 0)
        return;
    // Their reloads would talk to the connection being replaced while the operator searches,
    // and the Connections page closes the application when its reload times out.
    StopPageTimers();
    if (m_searchDlg.DoModal() != IDOK) {
        PostMessage(WM_CLOSE);
        return;
    }
    SelectFirstTab();
    SetActiveWindow();
}

void CManagerDlg::OnRelogin() {
    if (IsEnded())
        return;
    ClearLog();
    Login();
    SelectFirstTab();
}

void CManagerDlg::OnSysCommand(UINT id) {
    switch (id & 0xFFF0) {
    case IDM_ABOUTBOX: {
        CAboutDlg about;
        about.DoModal();
        break;
    }
    // Both need the pages and a logged-in connection.
    case IDM_SAVE_SETTINGS:
        if (m_tabCtrl.PagesCreated())
            SaveSettings(*this);
        break;
    case IDM_LOAD_SETTINGS:
        if (m_tabCtrl.PagesCreated())
            LoadSettings(*this);
        break;
    default:
        break;
    }
}
