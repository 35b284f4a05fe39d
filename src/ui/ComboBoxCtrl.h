#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

// Combo box: a list of entries, the selected entry, and for the drop-down kind an editable
// field whose text is the window text.
class CComboBoxCtrl : public CControl {
public:
    using CControl::CControl;

    int AddString(std::string_view entry);
    void ResetContent();
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    std::string GetLBText(int index) const;
    int GetCurSel() const { return m_nCurSel; }
    // Selects an entry (-1 for none); the field shows it.
    void SetCurSel(int index);
    // Index of the first entry that begins with `prefix` (case-insensitive), or -1.
    int FindString(std::string_view prefix) const;
    // Selects the first entry that begins with `prefix`; returns its index or -1.
    int SelectString(std::string_view prefix);

    // The field's text; setting it clears the selection unless it names an entry.
    void SetWindowText(std::string_view text) override;
    bool IsEditable() const { return HasStyle(ControlStyle::DropDown); }

    // The operator picks entry `index` or types into the field.
    void SelectByUser(int index);
    void EditByUser(std::string_view text);

    void Reset() override;

private:
    std::vector<std::string> m_entries;
    int m_nCurSel = -1;
};
