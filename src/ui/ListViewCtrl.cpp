#include "ui/ListViewCtrl.h"

#include <algorithm>

void CListViewCtrl::Reset() {
    CControl::Reset();
    m_columns.clear();
    m_rows.clear();
    m_images.clear();
    m_strEmptyText.clear();
}

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
    Changed();
    return true;
}

void CListViewCtrl::DeleteAllItems() {
    m_rows.clear();
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

int CListViewCtrl::GetSelectedItem() const {
    for (int i = 0; i < GetItemCount(); ++i)
        if (m_rows[static_cast<size_t>(i)].selected)
            return i;
    return -1;
}

void CListViewCtrl::SetEmptyText(std::string_view text) {
    if (m_strEmptyText == text)
        return;
    m_strEmptyText = text;
    Changed();
}

void CListViewCtrl::SetImageList(std::vector<int> imageResourceIds) {
    m_images = std::move(imageResourceIds);
    Changed();
}

void CListViewCtrl::SelectByUser(int item) {
    if (item < 0 || item >= GetItemCount() || m_rows[static_cast<size_t>(item)].selected)
        return;
    const int previous = GetSelectedItem();
    if (previous >= 0 && HasStyle(ControlStyle::SingleSelection)) {
        m_rows[static_cast<size_t>(previous)].selected = false;
        Changed();
        Notify(LVN_ITEMCHANGED, previous);
    }
    if (item >= GetItemCount())
        return; // the handler may have emptied the list
    m_rows[static_cast<size_t>(item)].selected = true;
    Changed();
    Notify(LVN_ITEMCHANGED, item);
}

void CListViewCtrl::ClickByUser(int item, CPoint point) {
    if (item >= 0)
        SelectByUser(item);
    Notify(NM_CLICK, item, point);
}

void CListViewCtrl::RightClickByUser(int item, CPoint point) {
    if (item >= 0)
        SelectByUser(item);
    Notify(NM_RCLICK, item, point);
}

void CListViewCtrl::HeaderDoubleClickByUser(int column) {
    Notify(HDN_ITEMDBLCLICK, column);
}
