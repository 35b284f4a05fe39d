#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

// A tab strip. A mouse click on a tab selects it (TCN_SELCHANGE when the selection changed)
// and then sends NM_CLICK; a selection changed with the keyboard sends TCN_SELCHANGE only.
class CTabCtrl : public CControl {
public:
    using CControl::CControl;

    int InsertItem(int index, std::string_view text);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    std::string GetItemText(int index) const;
    int GetCurSel() const { return m_nCurSel; }
    // Selects a tab by code; no notification, as on the platform.
    int SetCurSel(int index);
    // Rectangle of tab item `index` in the control's client coordinates (pixels).
    CRect GetItemRect(int index) const;

    void ClickByUser(int index);
    void SelectByKeyboard(int index);

    void Reset() override;

private:
    std::vector<std::string> m_items;
    int m_nCurSel = -1;
};
