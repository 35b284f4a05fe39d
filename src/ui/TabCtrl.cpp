#include "ui/TabCtrl.h"

#include <algorithm>

#include "ui/ControlPeer.h"

void CTabCtrl::Reset() {
    CControl::Reset();
    m_items.clear();
    m_nCurSel = -1;
}

int CTabCtrl::InsertItem(int index, std::string_view text) {
    index = std::clamp(index, 0, GetItemCount());
    m_items.insert(m_items.begin() + index, std::string(text));
    if (m_nCurSel < 0)
        m_nCurSel = 0;
    else if (index <= m_nCurSel)
        ++m_nCurSel;
    Changed();
    return index;
}

std::string CTabCtrl::GetItemText(int index) const {
    return index >= 0 && index < GetItemCount() ? m_items[static_cast<size_t>(index)]
                                                : std::string();
}

int CTabCtrl::SetCurSel(int index) {
    const int previous = m_nCurSel;
    if (index < 0 || index >= GetItemCount())
        return -1;
    m_nCurSel = index;
    Changed();
    return previous;
}

CRect CTabCtrl::GetItemRect(int index) const {
    if (Peer())
        return Peer()->ItemRect(index);
    // Without a renderer: tabs 100 pixels wide and 20 high along the top edge.
    return CRect{2 + 100 * index, 2, 2 + 100 * (index + 1), 22};
}

void CTabCtrl::ClickByUser(int index) {
    if (index < 0 || index >= GetItemCount() || !IsWindowEnabled())
        return;
    if (index != m_nCurSel) {
        SetCurSel(index);
        Notify(TCN_SELCHANGE);
    }
    Notify(NM_CLICK);
}

void CTabCtrl::SelectByKeyboard(int index) {
    if (index < 0 || index >= GetItemCount() || index == m_nCurSel)
        return;
    SetCurSel(index);
    Notify(TCN_SELCHANGE);
}
