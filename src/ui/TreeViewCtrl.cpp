#include "ui/TreeViewCtrl.h"

#include <algorithm>

void CTreeViewCtrl::Reset() {
    CControl::Reset();
    m_items.clear();
    m_images.clear();
    m_hSelected = 0;
}

HTREEITEM CTreeViewCtrl::InsertItem(std::string_view text, int image, HTREEITEM parent,
                                    TreeInsert where) {
    if (parent != TVI_ROOT && !GetItem(parent))
        return 0;
    Item item{m_nextHandle++, parent, std::string(text), image, false};
    auto sibling = [parent](const Item& other) { return other.parent == parent; };
    if (where == TreeInsert::First) {
        const auto first = std::find_if(m_items.begin(), m_items.end(), sibling);
        m_items.insert(first, item);
    } else {
        m_items.push_back(item);
    }
    Changed();
    return item.handle;
}

bool CTreeViewCtrl::DeleteAllItems() {
    m_items.clear();
    m_hSelected = 0;
    Changed();
    return true;
}

bool CTreeViewCtrl::Expand(HTREEITEM handle) {
    Item* item = FindItem(handle);
    if (!item)
        return false;
    item->expanded = true;
    Changed();
    return true;
}

void CTreeViewCtrl::SelectByUser(HTREEITEM handle) {
    if (handle == m_hSelected || !FindItem(handle))
        return;
    m_hSelected = handle;
    Changed();
    Notify(TVN_SELCHANGED, handle);
}

void CTreeViewCtrl::ExpandByUser(HTREEITEM handle, bool expand) {
    Item* item = FindItem(handle);
    if (!item || item->expanded == expand)
        return;
    item->expanded = expand;
    Changed();
    Notify(TVN_ITEMEXPANDED, handle);
}

CTreeViewCtrl::Item* CTreeViewCtrl::FindItem(HTREEITEM handle) {
    return const_cast<Item*>(GetItem(handle));
}

std::vector<HTREEITEM> CTreeViewCtrl::GetChildren(HTREEITEM parent) const {
    std::vector<HTREEITEM> children;
    for (const Item& item : m_items)
        if (item.parent == parent)
            children.push_back(item.handle);
    return children;
}

const CTreeViewCtrl::Item* CTreeViewCtrl::GetItem(HTREEITEM handle) const {
    for (const Item& item : m_items)
        if (item.handle == handle)
            return &item;
    return nullptr;
}

std::string CTreeViewCtrl::GetItemText(HTREEITEM handle) const {
    const Item* item = GetItem(handle);
    return item ? item->text : std::string();
}

void CTreeViewCtrl::SetImageList(std::vector<int> imageResourceIds) {
    m_images = std::move(imageResourceIds);
    Changed();
}
