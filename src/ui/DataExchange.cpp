#include "ui/DataExchange.h"

#include <cstdio>

#include "ui/ButtonCtrl.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/Dialog.h"
#include "ui/EditCtrl.h"
#include "ui/Text.h"

void CDataExchange::Fail(const std::string& message) {
    m_bFailed = true;
    m_dialog.MessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    if (CControl* control = m_dialog.GetDlgItem(m_nLastControl))
        control->SetFocus();
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    if (dx.Failed())
        return;
    dx.PrepareControl(id);
    if (dx.IsSaving())
        value = dx.Dialog().GetDlgItemText(id);
    else
        dx.Dialog().SetDlgItemText(id, value);
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
    if (dx.Failed())
        return;
    dx.PrepareControl(id);
    if (!dx.IsSaving()) {
        dx.Dialog().SetDlgItemText(id, std::to_string(value));
        return;
    }
    const std::string text = Trim(dx.Dialog().GetDlgItemText(id));
    int parsed = 0, used = 0;
    if (std::sscanf(text.c_str(), "%d%n", &parsed, &used) != 1 || used != Length(text)) {
        dx.Fail("Please enter an integer.");
        return;
    }
    value = parsed;
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
    if (dx.Failed())
        return;
    dx.PrepareControl(id);
    auto& button = dx.Dialog().Item<CButtonCtrl>(id);
    if (dx.IsSaving())
        value = button.GetCheck();
    else
        button.SetCheck(value);
}

void DDX_Check(CDataExchange& dx, int id, bool& value) {
    int check = value ? 1 : 0;
    DDX_Check(dx, id, check);
    value = check != 0;
}

void DDX_Radio(CDataExchange& dx, int firstId, int& value) {
    if (dx.Failed())
        return;
    dx.PrepareControl(firstId);
    const std::vector<int> group = dx.Dialog().RadioGroup(firstId);
    if (dx.IsSaving()) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (dx.Dialog().Item<CButtonCtrl>(group[i]).GetCheck())
                value = static_cast<int>(i);
        return;
    }
    for (size_t i = 0; i < group.size(); ++i)
        dx.Dialog().Item<CButtonCtrl>(group[i]).SetCheck(static_cast<int>(i) == value ? 1 : 0);
}

void DDX_CBString(CDataExchange& dx, int id, std::string& value) {
    if (dx.Failed())
        return;
    dx.PrepareControl(id);
    auto& combo = dx.Dialog().Item<CComboBoxCtrl>(id);
    if (dx.IsSaving()) {
        value = combo.GetWindowText();
        return;
    }
    if (combo.SelectString(value) < 0) {
        combo.SetCurSel(-1);
        if (combo.IsEditable())
            combo.SetWindowText(value);
    }
}

void DDX_CBIndex(CDataExchange& dx, int id, int& value) {
    if (dx.Failed())
        return;
    dx.PrepareControl(id);
    auto& combo = dx.Dialog().Item<CComboBoxCtrl>(id);
    if (dx.IsSaving())
        value = combo.GetCurSel();
    else
        combo.SetCurSel(value);
}

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int count) {
    if (dx.Failed())
        return;
    if (dx.IsSaving()) {
        if (Length(value) > count)
            dx.Fail("Enter no more than " + std::to_string(count) + " characters.");
        return;
    }
    if (auto* edit = dynamic_cast<CEditCtrl*>(dx.Dialog().GetDlgItem(dx.LastControl())))
        edit->SetLimitText(count);
}
