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

// The same items, texts and images; expansion aside, which the shown items take as they are.
bool SameItems(const std::vector<CTreeViewCtrl::Item>& a,
               const std::vector<CTreeViewCtrl::Item>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.handle == y.handle && x.parent == y.parent && x.text == y.text &&
               x.image == y.image;
    });
}

HTREEITEM HandleOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
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
    : CQtPeer(tree, MakeTree(tree, window)) {
    connect(Tree(), &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { OnNativeExpansion(item, true); });
    connect(Tree(), &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { OnNativeExpansion(item, false); });
    // The mouse and the keys select by moving the current item, the bus selects only.
    connect(Tree(), &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = Tree()->selectedItems();
        OnNativeSelection(selected.isEmpty() ? nullptr : selected.front());
    });
}

void CQtTreeViewPeer::OnNativeExpansion(QTreeWidgetItem* item, bool expanded) {
    if (!TakeNativeChange())
        return;
    ControlAs<CTreeViewCtrl>().ExpandByUser(HandleOf(item), expanded);
    Refresh(); // a handler may have changed the tree
}

void CQtTreeViewPeer::OnNativeSelection(QTreeWidgetItem* selected) {
    if (!TakeNativeChange())
        return;
    // The control has no "nothing selected" for the operator to choose.
    if (selected)
        ControlAs<CTreeViewCtrl>().SelectByUser(HandleOf(selected));
    Refresh();
}

QTreeWidget* CQtTreeViewPeer::Tree() const {
    return static_cast<QTreeWidget*>(Widget());
}

void CQtTreeViewPeer::RefreshWidget() {
    const CTreeViewCtrl& tree = ControlAs<CTreeViewCtrl>();
    std::vector<CTreeViewCtrl::Item> items;
    Collect(tree, TVI_ROOT, items);
    if (!SameItems(items, m_shownItems) || tree.ImageList() != m_shownImages) {
        Tree()->clear();
        AddChildren(tree, TVI_ROOT, nullptr);
        m_shownItems = std::move(items);
        m_shownImages = tree.ImageList();
    }
    RefreshStates();
}

void CQtTreeViewPeer::RefreshStates() {
    const CTreeViewCtrl& tree = ControlAs<CTreeViewCtrl>();
    QTreeWidgetItem* selected = nullptr;
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it) {
        const HTREEITEM handle = HandleOf(*it);
        if (const CTreeViewCtrl::Item* item = tree.GetItem(handle))
            (*it)->setExpanded(item->expanded);
        if (handle == tree.GetSelectedItem())
            selected = *it;
    }
    const QList<QTreeWidgetItem*> shown = Tree()->selectedItems();
    if (!selected && !shown.isEmpty())
        Tree()->clearSelection();
    else if (selected && (shown.size() != 1 || shown.front() != selected))
        Tree()->setCurrentItem(selected);
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
    }
}
