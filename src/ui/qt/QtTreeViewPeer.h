#pragma once

#include <vector>

#include "ui/TreeViewCtrl.h"
#include "ui/qt/QtPeer.h"

class QTreeWidget;
class QTreeWidgetItem;

// A tree view on a QTreeWidget: the control's items in their order under their parents, with
// images, expansion and the selected item. Rebuilt only when the items change; what the
// operator expands, collapses or selects (with the mouse, the keys or through the
// accessibility bus) goes to the control's ...ByUser entry points, which notify the owner.
class CQtTreeViewPeer final : public CQtPeer {
public:
    CQtTreeViewPeer(CTreeViewCtrl& tree, QWidget* window);

protected:
    void RefreshWidget() override;

private:
    QTreeWidget* Tree() const;
    void AddChildren(const CTreeViewCtrl& tree, HTREEITEM parent, QTreeWidgetItem* under);
    // Expansion and the current item as the control has them, on the items shown.
    void RefreshStates();
    void OnNativeExpansion(QTreeWidgetItem* item, bool expanded);
    void OnNativeSelection(QTreeWidgetItem* selected);

    std::vector<CTreeViewCtrl::Item> m_shownItems;
    std::vector<int> m_shownImages;
};
