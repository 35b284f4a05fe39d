#include "ui/ComboBoxCtrl.h"

#include <algorithm>

#include "ui/Text.h"

void CComboBoxCtrl::Reset() {
    CControl::Reset();
    m_entries.clear();
    m_nCurSel = -1;
    SetTextSilently("");
}

int CComboBoxCtrl::AddString(std::string_view entry) {
    int index = GetCount();
    if (HasStyle(ControlStyle::Sorted)) {
        const auto at = std::upper_bound(
            m_entries.begin(), m_entries.end(), entry,
            [](std::string_view a, const std::string& b) { return MakeUpper(a) < MakeUpper(b); });
        index = static_cast<int>(at - m_entries.begin());
        m_entries.insert(at, std::string(entry));
        if (m_nCurSel >= index)
            ++m_nCurSel;
    } else {
        m_entries.emplace_back(entry);
    }
    Changed();
    return index;
}

void CComboBoxCtrl::ResetContent() {
    m_entries.clear();
    m_nCurSel = -1;
    SetTextSilently("");
    Changed();
}

std::string CComboBoxCtrl::GetLBText(int index) const {
    if (index < 0 || index >= GetCount())
        return {};
    return m_entries[static_cast<size_t>(index)];
}

void CComboBoxCtrl::SetCurSel(int index) {
    m_nCurSel = (index >= 0 && index < GetCount()) ? index : -1;
    SetTextSilently(m_nCurSel >= 0 ? m_entries[static_cast<size_t>(m_nCurSel)] : "");
    Changed();
}

int CComboBoxCtrl::FindString(std::string_view prefix) const {
    const std::string wanted = MakeUpper(prefix);
    for (int i = 0; i < GetCount(); ++i)
        if (Left(MakeUpper(m_entries[static_cast<size_t>(i)]), Length(wanted)) == wanted)
            return i;
    return -1;
}

int CComboBoxCtrl::SelectString(std::string_view prefix) {
    const int index = FindString(prefix);
    if (index >= 0)
        SetCurSel(index);
    return index;
}

void CComboBoxCtrl::SetWindowText(std::string_view text) {
    m_nCurSel = -1;
    for (int i = 0; i < GetCount(); ++i)
        if (m_entries[static_cast<size_t>(i)] == text)
            m_nCurSel = i;
    CControl::SetWindowText(text);
}

void CComboBoxCtrl::SelectByUser(int index) {
    SetCurSel(index);
    Notify(CBN_SELCHANGE);
}

void CComboBoxCtrl::EditByUser(std::string_view text) {
    SetWindowText(text);
    Notify(CBN_EDITCHANGE);
}
