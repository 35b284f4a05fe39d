#include "pages/RepeaterPage.h"

#include <algorithm>

#include "pages/RepeaterListing.h"
#include "session/ManagerWindow.h"
#include "ui/ButtonCtrl.h"
#include "ui/Text.h"

namespace {

const CDialogResource& RepeaterPageResource() {
    using namespace ControlStyle;
    static const CDialogResource resource{
        IDD_REPEATER_PAGE,
        "",
        {288, 142},
        "Arial",
        9,
        {
            {IDC_REPEATER_TREE, ControlKind::TreeView, "", DlgRect(7, 7, 274, 108),
             TreeButtons | TreeLines},
            {IDC_REPEATER_REFRESH, ControlKind::PushButton, "Refresh", DlgRect(231, 121, 50, 14)},
        },
        true,
    };
    return resource;
}

} // namespace

CRepeaterPage::CRepeaterPage() : CTabPage(RepeaterPageResource()) {
    MessageMap().Clicked(IDC_REPEATER_REFRESH, &CRepeaterPage::OnRefresh);
}

bool CRepeaterPage::OnInitDialog() {
    CTabPage::OnInitDialog();
    Tree().SetImageList({IDI_REPEATER_APPLIANCE, IDI_REPEATER_DEVICE});
    return true;
}

CTreeViewCtrl& CRepeaterPage::Tree() {
    return Item<CTreeViewCtrl>(IDC_REPEATER_TREE);
}

void CRepeaterPage::RefreshPage() {
    if (!GetManagerWindow().IsCommandSupported("REPEATER")) {
        Item<CButtonCtrl>(IDC_REPEATER_REFRESH).EnableWindow(false);
        return;
    }
    LoadRepeaterList();
}

void CRepeaterPage::OnRefresh() {
    LoadRepeaterList();
}

void CRepeaterPage::LoadRepeaterList() {
    const std::string reply = GetManagerWindow().SendCommand("repeater\r\n", 1);
    if (reply.empty() || Find(reply, "-ERR") >= 0) {
        MessageBox("Loading repeater list failed.");
        return;
    }
    CTreeViewCtrl& tree = Tree();
    // The renderer sees the rebuilt tree once, not every item on its way in.
    CRedrawHold hold(tree);
    tree.DeleteAllItems();
    for (const CRepeaterLine& line : ParseRepeaterListing(reply))
        AddLine(line);
    m_listNodes.clear();
}

HTREEITEM CRepeaterPage::ParentItem(const std::string& key) {
    const auto node = std::find_if(m_listNodes.begin(), m_listNodes.end(),
                                   [&key](const RepeaterNode& n) { return n.m_strKey == key; });
    if (node != m_listNodes.end())
        return node->m_hItem;
    const HTREEITEM root = Tree().InsertItem(key, kApplianceImage);
    m_listNodes.push_back({key, root});
    return root;
}

void CRepeaterPage::AddLine(const CRepeaterLine& line) {
    CTreeViewCtrl& tree = Tree();
    const HTREEITEM parent = ParentItem(line.parentKey);
    const std::string text = line.key + " ( " + line.label + " )";
    if (line.repeater) {
        const HTREEITEM child = tree.InsertItem(text, kApplianceImage, parent, TreeInsert::First);
        m_listNodes.push_back({line.key, child});
    } else {
        tree.InsertItem(text, kDeviceImage, parent, TreeInsert::Last);
    }
    tree.Expand(parent);
}
