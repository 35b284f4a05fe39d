#include "ui/ListViewCtrl.h"

#include <algorithm>

void CListViewCtrl::Reset() {
    CControl::Reset();
    m_columns.clear();
    m_rows.clear();
    m_images.clear();
    m_strEmptyText.clear();
    m_strEmptyDescription.clear();
    m_nFocusItem = -1;
    m_nAnchorItem = -1;
}

namespace {

// Where a row index kept by the list goes when a row is inserted at `at` or deleted there.
int AfterInsert(int kept, int at) {
    return kept >= at ? kept + 1 : kept;
}

int AfterDelete(int kept, int at) {
    if (kept == at)
        return -1;
    return kept > at ? kept - 1 : kept;
}

} // namespace

int CListViewCtrl::InsertColumn(int index, std::string_view header, ColumnAlign align, int width) {
    index = std::clamp(index, 0, GetColumnCount());
    m_columns.insert(m_columns.begin() + index, Column{std::string(header), width, align});
    for (Row& row : m_rows)
        if (static_cast<int>(row.texts.size()) > index)
            row.texts.insert(row.texts.begin() + index, std::string());
    Changed();
    return index;
}

bool CListViewCtrl::DeleteColumn(int index) {
    if (index < 0 || index >= GetColumnCount())
        return false;
    m_columns.erase(m_columns.begin() + index);
    for (Row& row : m_rows)
        if (static_cast<int>(row.texts.size()) > index)
            row.texts.erase(row.texts.begin() + index);
    Changed();
    return true;
}

int CListViewCtrl::InsertItem(int index, std::string_view text, int image) {
    index = std::clamp(index, 0, GetItemCount());
    Row row;
    row.texts.emplace_back(text);
    row.image = image;
    m_rows.insert(m_rows.begin() + index, std::move(row));
    m_nFocusItem = AfterInsert(m_nFocusItem, index);
    m_nAnchorItem = AfterInsert(m_nAnchorItem, index);
    Changed();
    return index;
}

bool CListViewCtrl::SetItemText(int item, int subItem, std::string_view text) {
    if (item < 0 || item >= GetItemCount() || subItem < 0)
        return false;
    auto& texts = m_rows[static_cast<size_t>(item)].texts;
    if (static_cast<int>(texts.size()) <= subItem)
        texts.resize(static_cast<size_t>(subItem) + 1);
    texts[static_cast<size_t>(subItem)] = text;
    Changed();
    return true;
}

std::string CListViewCtrl::GetItemText(int item, int subItem) const {
    if (item < 0 || item >= GetItemCount() || subItem < 0)
        return {};
    const auto& texts = m_rows[static_cast<size_t>(item)].texts;
    return subItem < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(subItem)]
                                                    : std::string();
}

bool CListViewCtrl::SetItemImage(int item, int image) {
    if (item < 0 || item >= GetItemCount())
        return false;
    m_rows[static_cast<size_t>(item)].image = image;
    Changed();
    return true;
}

bool CListViewCtrl::DeleteItem(int item) {
    if (item < 0 || item >= GetItemCount())
        return false;
    m_rows.erase(m_rows.begin() + item);
    m_nFocusItem = AfterDelete(m_nFocusItem, item);
    m_nAnchorItem = AfterDelete(m_nAnchorItem, item);
    Changed();
    return true;
}

void CListViewCtrl::DeleteAllItems() {
    m_rows.clear();
    m_nFocusItem = -1;
    m_nAnchorItem = -1;
    Changed();
}

void CListViewCtrl::SetItemSelected(int item, bool selected) {
    if (item < 0 || item >= GetItemCount())
        return;
    if (selected && HasStyle(ControlStyle::SingleSelection))
        for (Row& row : m_rows)
            row.selected = false;
    m_rows[static_cast<size_t>(item)].selected = selected;
    Changed();
}

void CListViewCtrl::SetSelectedItem(int item) {
    const bool isRow = item >= 0 && item < GetItemCount();
    for (int i = 0; i < GetItemCount(); ++i)
        m_rows[static_cast<size_t>(i)].selected = i == item;
    m_nFocusItem = isRow ? item : -1;
    m_nAnchorItem = m_nFocusItem;
    Changed();
}

int CListViewCtrl::GetSelectedItem() const {
    for (int i = 0; i < GetItemCount(); ++i)
        if (m_rows[static_cast<size_t>(i)].selected)
            return i;
    return -1;
}

void CListViewCtrl::SetEmptyText(std::string_view text, std::string_view description) {
    if (m_strEmptyText == text && m_strEmptyDescription == description)
        return;
    m_strEmptyText = text;
    m_strEmptyDescription = description;
    Changed();
}

void CListViewCtrl::SetImageList(std::vector<int> imageResourceIds) {
    m_images = std::move(imageResourceIds);
    Changed();
}

std::vector<bool> CListViewCtrl::SelectionAfter(int item, SelectMode mode) const {
    std::vector<bool> after(m_rows.size(), false);
    if (mode == SelectMode::Replace || HasStyle(ControlStyle::SingleSelection)) {
        after[static_cast<size_t>(item)] = true;
    } else if (mode == SelectMode::Toggle) {
        for (size_t i = 0; i < m_rows.size(); ++i)
            after[i] = m_rows[i].selected;
        after[static_cast<size_t>(item)] = !m_rows[static_cast<size_t>(item)].selected;
    } else {
        const int anchor = m_nAnchorItem >= 0 ? m_nAnchorItem : item;
        for (int i = std::min(anchor, item); i <= std::max(anchor, item); ++i)
            after[static_cast<size_t>(i)] = true;
    }
    return after;
}

bool CListViewCtrl::ChangeByUser(int item, bool selected, int count) {
    if (GetItemCount() != count)
        return false;
    m_rows[static_cast<size_t>(item)].selected = selected;
    Changed();
    Notify(LVN_ITEMCHANGED, item);
    return true;
}

void CListViewCtrl::SelectByUser(int item, SelectMode mode) {
    const int count = GetItemCount();
    if (item < 0 || item >= count)
        return;
    const std::vector<bool> after = SelectionAfter(item, mode);
    if (mode != SelectMode::Extend || m_nAnchorItem < 0 || HasStyle(ControlStyle::SingleSelection))
        m_nAnchorItem = item;
    m_nFocusItem = item;
    // Losses first, then gains, the picked row last; a handler that rebuilds the list ends
    // the pick.
    for (int pass = 0; pass < 2; ++pass) {
        const bool gaining = pass == 1;
        for (int i = 0; i < count; ++i) {
            const bool selected = m_rows[static_cast<size_t>(i)].selected;
            if (i == item || selected == after[static_cast<size_t>(i)] || selected == gaining)
                continue;
            if (!ChangeByUser(i, gaining, count))
                return;
        }
    }
    ChangeByUser(item, after[static_cast<size_t>(item)], count);
}

void CListViewCtrl::ClickByUser(int item, CPoint point, SelectMode mode) {
    if (item >= 0)
        SelectByUser(item, mode);
    Notify(NM_CLICK, item, point);
}

// A right click keeps a selection the row is part of, for a menu about all of it.
void CListViewCtrl::RightClickByUser(int item, CPoint point) {
    if (item >= 0 && item < GetItemCount()) {
        if (m_rows[static_cast<size_t>(item)].selected) {
            m_nFocusItem = item;
            m_nAnchorItem = item;
            ChangeByUser(item, true, GetItemCount());
        } else {
            SelectByUser(item);
        }
    }
    Notify(NM_RCLICK, item, point);
}

void CListViewCtrl::HeaderDoubleClickByUser(int column) {
    Notify(HDN_ITEMDBLCLICK, column);
}
