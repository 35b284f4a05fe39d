#include "ui/ButtonCtrl.h"

#include "ui/Dialog.h"

void CButtonCtrl::Reset() {
    CControl::Reset();
    m_nCheck = 0;
}

void CButtonCtrl::SetCheck(int check) {
    if (m_nCheck == check)
        return;
    m_nCheck = check;
    Changed();
}

void CButtonCtrl::Click() {
    if (!IsWindowEnabled())
        return;
    if (Kind() == ControlKind::CheckBox)
        SetCheck(m_nCheck ? 0 : 1);
    else if (Kind() == ControlKind::RadioButton)
        Owner().CheckRadioButtonInGroup(GetDlgCtrlID());
    Notify(BN_CLICKED);
}
