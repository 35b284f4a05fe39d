#include "SampleDialogs.h"

#include "ui/AnimationCtrl.h"
#include "ui/ButtonCtrl.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/EditCtrl.h"
#include "ui/IpAddressCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/SpinCtrl.h"
#include "ui/TabCtrl.h"
#include "ui/TreeViewCtrl.h"

using namespace SampleId;

namespace {

const CDialogResource& ControlsResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        2001,
        "Sample Controls",
        {260, 204},
        "Arial",
        9,
        {
            {-1, ControlKind::GroupBox, "Connection", DlgRect(7, 2, 246, 72), LargeFont},
            {-1, ControlKind::Static, "Name", DlgRect(14, 22, 40, 8)},
            {Name, ControlKind::Edit, "", DlgRect(60, 20, 90, 12)},
            {-1, ControlKind::Static, "Password", DlgRect(14, 38, 40, 8)},
            {PasswordEdit, ControlKind::Edit, "", DlgRect(60, 36, 90, 12), Password},
            {-1, ControlKind::Static, "Port", DlgRect(160, 22, 24, 8)},
            {Port, ControlKind::Edit, "", DlgRect(186, 20, 40, 12), Number, 5},
            {PortSpin, ControlKind::Spin, "", DlgRect(226, 20, 10, 12), AutoBuddy | SetBuddyInt},
            {-1, ControlKind::Static, "IP Address", DlgRect(14, 54, 44, 8)},
            {Address, ControlKind::IpAddress, "", DlgRect(60, 52, 90, 12)},
            {-1, ControlKind::Static, "Status", DlgRect(160, 38, 24, 8)},
            {Status, ControlKind::Edit, "", DlgRect(186, 36, 60, 12), ReadOnly},
            {-1, ControlKind::GroupBox, "Options", DlgRect(7, 78, 120, 58)},
            {Pairable, ControlKind::CheckBox, "&Pairable", DlgRect(14, 90, 60, 10)},
            {Server, ControlKind::RadioButton, "Server", DlgRect(14, 104, 50, 10), Group},
            {Client, ControlKind::RadioButton, "Client", DlgRect(14, 118, 50, 10)},
            {Vertex, ControlKind::RadioButton, "Vertex", DlgRect(64, 104, 50, 10)},
            {-1, ControlKind::Static, "Mode", DlgRect(134, 82, 30, 8)},
            {Mode, ControlKind::ComboBox, "", DlgRect(166, 80, 80, 60), DropDownList},
            {-1, ControlKind::Static, "Host", DlgRect(134, 98, 30, 8)},
            {HostCombo, ControlKind::ComboBox, "", DlgRect(166, 96, 80, 60), DropDown | Sorted},
            {-1, ControlKind::Static, "BD Address", DlgRect(134, 114, 40, 8)},
            {BdAddr, ControlKind::Edit, "", DlgRect(176, 112, 70, 12), Masked},
            {Log, ControlKind::Edit, "", DlgRect(7, 142, 180, 38),
             ReadOnly | MultiLine | VScroll | HScroll | AutoScroll},
            {-1, ControlKind::Icon, "145", DlgRect(196, 146, 20, 20)},
            {Animation, ControlKind::Animation, "", DlgRect(226, 148, 16, 15)},
            {IDOK, ControlKind::PushButton, "OK", DlgRect(148, 186, 50, 14), DefaultButton},
            {IDCANCEL, ControlKind::PushButton, "Cancel", DlgRect(203, 186, 50, 14)},
        },
    };
    return resource;
}

const CDialogResource& ListsResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        2002,
        "Sample Lists",
        {260, 206},
        "Arial",
        9,
        {
            {-1, ControlKind::Static, "Connections", DlgRect(7, 4, 80, 8)},
            {Connections, ControlKind::ListView, "", DlgRect(7, 14, 246, 74),
             GridLines | FullRowSelect | SingleSelection | ShowSelectionAlways},
            {-1, ControlKind::Static, "Repeaters", DlgRect(7, 92, 60, 8)},
            {Repeaters, ControlKind::TreeView, "", DlgRect(7, 102, 120, 44),
             TreeLines | TreeButtons},
            {-1, ControlKind::Static, "Servers", DlgRect(7, 150, 60, 8)},
            {Servers, ControlKind::ListView, "", DlgRect(7, 160, 190, 42),
             GridLines | FullRowSelect},
            {IDOK, ControlKind::PushButton, "OK", DlgRect(203, 188, 50, 14), DefaultButton},
        },
    };
    return resource;
}

const CDialogResource& PageResource() {
    static const CDialogResource resource{
        2003,
        "",
        {250, 100},
        "Arial",
        9,
        {
            {-1, ControlKind::Static, "Friendly name", DlgRect(10, 12, 50, 8)},
            {PageName, ControlKind::Edit, "", DlgRect(64, 10, 100, 12)},
            {PageEnabled, ControlKind::CheckBox, "Discoverable", DlgRect(10, 30, 80, 10)},
            {PageApply, ControlKind::PushButton, "Apply", DlgRect(180, 70, 50, 14)},
        },
        true,
    };
    return resource;
}

const CDialogResource& TabsResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        2004,
        "Sample Tabs",
        {280, 206},
        "Arial",
        9,
        {
            {Tabs, ControlKind::Tab, "", DlgRect(7, 7, 266, 130)},
            {TabsLog, ControlKind::Edit, "", DlgRect(7, 142, 266, 40),
             ReadOnly | MultiLine | VScroll | HScroll},
            {IDOK, ControlKind::PushButton, "OK", DlgRect(223, 186, 50, 14), DefaultButton},
        },
    };
    return resource;
}

const CDialogResource& ProgressResource() {
    static const CDialogResource resource{
        2005,
        "",
        {171, 21},
        "System",
        10,
        {
            {ProgressAnimation, ControlKind::Animation, "", DlgRect(8, 3, 16, 15)},
            {-1, ControlKind::Static, "Working. . .  Wait a second.", DlgRect(34, 6, 130, 10)},
        },
    };
    return resource;
}

} // namespace

CSampleControlsDlg::CSampleControlsDlg() : CDialog(ControlsResource()) {}

bool CSampleControlsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(Name, "Velmora42-0815");
    SetDlgItemText(PasswordEdit, "secret");
    auto& spin = Item<CSpinCtrl>(PortSpin);
    spin.SetBuddy(Port);
    spin.SetRange(1, 65535);
    spin.SetPos(9000);
    Item<CIpAddressCtrl>(Address).SetAddress(192, 168, 0, 42);
    SetDlgItemText(Status, "Connected");
    Item<CButtonCtrl>(Pairable).SetCheck(1);
    CheckRadioButtonInGroup(Client);
    auto& mode = Item<CComboBoxCtrl>(Mode);
    for (const char* entry : {"Server", "Client", "Vertex"})
        mode.AddString(entry);
    mode.SetCurSel(1);
    auto& host = Item<CComboBoxCtrl>(HostCombo);
    for (const char* entry : {"10.0.0.7", "10.0.0.2", "appliance.lan"})
        host.AddString(entry);
    host.SetWindowText("10.0.0.9");
    SetDlgItemText(BdAddr, "00:1A:7D:DA:71:13");
    SetDlgItemText(Log, "Ver\r\n+OK 1.7\r\nMode\r\n+OK Server\r\n");
    auto& animation = Item<CAnimationCtrl>(Animation);
    animation.Open(146);
    animation.Play();
    return true;
}

CSampleListsDlg::CSampleListsDlg() : CDialog(ListsResource()) {}

bool CSampleListsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    auto& list = Item<CListViewCtrl>(Connections);
    list.SetImageList({161, 162, 163});
    list.InsertColumn(0, "Status", ColumnAlign::Left, 60);
    list.InsertColumn(1, "BD Address", ColumnAlign::Left, 120);
    list.InsertColumn(2, "Key", ColumnAlign::Left, 0);
    list.InsertColumn(3, "Bytes", ColumnAlign::Right, 80);
    const char* rows[][3] = {{"Up", "00:1A:7D:DA:71:13", "1024"},
                             {"Idle", "00:1A:7D:DA:71:14", "17"},
                             {"Down", "00:1A:7D:DA:71:15", "0"}};
    for (int r = 0; r < 3; ++r) {
        list.InsertItem(r, rows[r][0], r);
        list.SetItemText(r, 1, rows[r][1]);
        list.SetItemText(r, 2, "hidden");
        list.SetItemText(r, 3, rows[r][2]);
    }
    list.SetItemSelected(1, true);
    auto& servers = Item<CListViewCtrl>(Servers);
    servers.InsertColumn(0, "Name", ColumnAlign::Left, 80);
    servers.InsertColumn(1, "IP:Port", ColumnAlign::Left, 120);
    const char* entries[][2] = {{"Printer", "192.168.0.20:9200"},
                                {"Scanner", "192.168.0.21:9201"},
                                {"Modem", "192.168.0.22:9202"}};
    for (int r = 0; r < 3; ++r) {
        servers.InsertItem(r, entries[r][0]);
        servers.SetItemText(r, 1, entries[r][1]);
    }
    auto& tree = Item<CTreeViewCtrl>(Repeaters);
    tree.SetImageList({160, 159});
    const HTREEITEM root = tree.InsertItem("Velmora42 (root)", 0);
    const HTREEITEM child = tree.InsertItem("Station 2", 0, root);
    tree.InsertItem("Serial device", 1, child);
    tree.InsertItem("Station 1", 0, root, TreeInsert::First);
    tree.Expand(root);
    tree.Expand(child);
    return true;
}

CSamplePage::CSamplePage() : CDialog(PageResource()) {}

CSampleTabsDlg::CSampleTabsDlg() : CDialog(TabsResource()) {
    MessageMap().Notify(Tabs, TCN_SELCHANGE, &CSampleTabsDlg::OnSelChange);
}

bool CSampleTabsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    auto& tabs = Item<CTabCtrl>(Tabs);
    tabs.InsertItem(0, "  First  ");
    tabs.InsertItem(1, "  Second  ");
    m_first.Create(&tabs);
    m_second.Create(&tabs);
    const CRect client = tabs.GetClientRect();
    const CRect item = tabs.GetItemRect(0);
    const CRect placement{item.left, item.bottom + 1, client.right - 1, client.bottom - 1};
    m_first.MoveWindow(placement);
    m_second.MoveWindow(placement);
    m_second.ShowWindow(false);
    m_first.SetDlgItemText(PageName, "first page");
    m_second.SetDlgItemText(PageName, "second page");
    SetDlgItemText(TabsLog, "help\r\n+OK\r\n");
    return true;
}

void CSampleTabsDlg::OnSelChange() {
    const int selected = Item<CTabCtrl>(Tabs).GetCurSel();
    m_first.ShowWindow(selected == 0);
    m_second.ShowWindow(selected == 1);
}

CSampleProgressDlg::CSampleProgressDlg() : CDialog(ProgressResource()) {}

bool CSampleProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    auto& animation = Item<CAnimationCtrl>(ProgressAnimation);
    animation.Open(146);
    animation.Play();
    return true;
}
