#pragma once

#include <string>
#include <vector>

#include "ui/TabPage.h"
#include "ui/TreeViewCtrl.h"

struct CRepeaterLine;

enum : int {
    IDD_REPEATER_PAGE = 158,
    IDC_REPEATER_TREE = 1113,
    IDC_REPEATER_REFRESH = 1079,
    // The tree's images: an appliance for the nodes, a serial plug for the devices.
    IDI_REPEATER_DEVICE = 159,
    IDI_REPEATER_APPLIANCE = 160,
};

// The Repeater page, fifth tab of the main window: the appliance's repeater network as a
// tree, appliances and the links between them with the devices attached to each. It only
// reads ("repeater"). Owned by the main window's tab strip; everything runs on the UI thread
// and the one exchange blocks it.
class CRepeaterPage : public CTabPage {
public:
    // A tree item that later lines of the same reply may name as their parent.
    struct RepeaterNode {
        std::string m_strKey; // exactly as the reply wrote it; compared case-sensitively
        HTREEITEM m_hItem = 0;
    };

    // The tree's image indexes.
    static constexpr int kApplianceImage = 0;
    static constexpr int kDeviceImage = 1;

    CRepeaterPage();

    // What a click on the page's tab does: when the appliance does not list "REPEATER" among
    // its commands, Refresh is disabled and nothing is sent (the tree keeps what it shows);
    // otherwise LoadRepeaterList. Blocks for the exchange.
    void RefreshPage() override;
    // Sends "repeater" (time-out 1) and rebuilds the tree from the reply. A time-out or an
    // "-ERR" is reported and keeps the tree as it was; neither asks for a new connection.
    // Blocks for the exchange.
    void LoadRepeaterList();

    bool OnInitDialog() override;
    // Enter never closes the page.
    void OnOK() override {}

    // The nodes of the load in progress, in the order they were made; empty between loads.
    std::vector<RepeaterNode> m_listNodes;

private:
    void OnRefresh();
    CTreeViewCtrl& Tree();
    // The item of the first node whose key is exactly `key`; a key not seen yet becomes a
    // new root after the others.
    HTREEITEM ParentItem(const std::string& key);
    // Hangs one line of the reply under its parent: a repeater first among the parent's
    // children (and a node for later lines), a device last.
    void AddLine(const CRepeaterLine& line);
};
