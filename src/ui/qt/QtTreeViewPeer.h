#pragma once

#include <vector>

#include "ui/TreeViewCtrl.h"
#include "ui/qt/QtPeer.h"

class QTreeWidget;
class QTreeWidgetItem;

// A tree view on a QTreeWidget: the control's items in their order under their parents, with
// images and expansion. Rebuilt only when the items change, so the operator's own expanding
// and selecting survive other refreshes.
class CQtTreeViewPeer final : public CQtPeer {
public:
    CQtTreeViewPeer(CTreeViewCtrl& tree, QWidget* window);

protected:
    void RefreshWidget() override;

private:
    QTreeWidget* Tree() const;
    void AddChildren(const CTreeViewCtrl& tree, HTREEITEM parent, QTreeWidgetItem* under);

    std::vector<CTreeViewCtrl::Item> m_shownItems;
    std::vector<int> m_shownImages;
};
