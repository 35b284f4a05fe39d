#include "ui/qt/QtTreeViewPeer.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>

#include "ui/qt/QtImages.h"
#include "ui/qt/QtText.h"

namespace {

QTreeWidget* MakeTree(const CTreeViewCtrl& tree, QWidget* window) {
    auto* widget = new QTreeWidget(window);
    widget->setHeaderHidden(true);
    widget->setColumnCount(1);
    widget->setIconSize(QSize(16, 16));
    widget->setRootIsDecorated(tree.HasStyle(ControlStyle::TreeButtons) ||
                               tree.HasStyle(ControlStyle::TreeLines));
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setContextMenuPolicy(Qt::PreventContextMenu);
    widget->header()->setStretchLastSection(true);
    return widget;
}

bool SameItems(const std::vector<CTreeViewCtrl::Item>& a,
               const std::vector<CTreeViewCtrl::Item>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.handle == y.handle && x.parent == y.parent && x.text == y.text &&
               x.image == y.image && x.expanded == y.expanded;
    });
}

// The items in display order: each followed by its children.
void Collect(const CTreeViewCtrl& tree, HTREEITEM parent, std::vector<CTreeViewCtrl::Item>& out) {
    for (HTREEITEM handle : tree.GetChildren(parent)) {
        out.push_back(*tree.GetItem(handle));
        Collect(tree, handle, out);
    }
}

} // namespace

CQtTreeViewPeer::CQtTreeViewPeer(CTreeViewCtrl& tree, QWidget* window)
    : CQtPeer(tree, MakeTree(tree, window)) {}

QTreeWidget* CQtTreeViewPeer::Tree() const {
    return static_cast<QTreeWidget*>(Widget());
}

void CQtTreeViewPeer::RefreshWidget() {
    const CTreeViewCtrl& tree = ControlAs<CTreeViewCtrl>();
    std::vector<CTreeViewCtrl::Item> items;
    Collect(tree, TVI_ROOT, items);
    if (SameItems(items, m_shownItems) && tree.ImageList() == m_shownImages)
        return;
    QTreeWidget* widget = Tree();
    const QTreeWidgetItem* current = widget->currentItem();
    const int currentHandle = current ? current->data(0, Qt::UserRole).toInt() : 0;
    widget->clear();
    AddChildren(tree, TVI_ROOT, nullptr);
    if (currentHandle != 0) {
        for (QTreeWidgetItemIterator it(widget); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toInt() == currentHandle)
                widget->setCurrentItem(*it);
    }
    m_shownItems = std::move(items);
    m_shownImages = tree.ImageList();
}

void CQtTreeViewPeer::AddChildren(const CTreeViewCtrl& tree, HTREEITEM parent,
                                  QTreeWidgetItem* under) {
    const auto& images = tree.ImageList();
    for (HTREEITEM handle : tree.GetChildren(parent)) {
        const CTreeViewCtrl::Item* item = tree.GetItem(handle);
        auto* shown = under ? new QTreeWidgetItem(under) : new QTreeWidgetItem(Tree());
        shown->setText(0, FromLatin1(item->text));
        shown->setData(0, Qt::UserRole, handle);
        if (item->image >= 0 && item->image < static_cast<int>(images.size()))
            shown->setIcon(0, QIcon(ResourceImage(images[static_cast<size_t>(item->image)])));
        AddChildren(tree, handle, shown);
        shown->setExpanded(item->expanded);
    }
}
