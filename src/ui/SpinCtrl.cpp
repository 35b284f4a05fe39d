#include "ui/SpinCtrl.h"

#include <algorithm>

#include "ui/Dialog.h"
#include "ui/Text.h"

void CSpinCtrl::Reset() {
    CControl::Reset();
    m_nBuddy = 0;
    m_nLower = 0;
    m_nUpper = 100;
    m_nPos = 0;
}

void CSpinCtrl::SetBuddy(int buddyId) {
    m_nBuddy = buddyId;
    Changed();
}

void CSpinCtrl::SetRange(int lower, int upper) {
    m_nLower = lower;
    m_nUpper = upper;
    Changed();
}

int CSpinCtrl::GetPos() const {
    if (m_nBuddy != 0 && HasStyle(ControlStyle::SetBuddyInt))
        if (const CControl* buddy = Owner().GetDlgItem(m_nBuddy)) {
            const int value = LeadingInt(buddy->GetWindowText());
            return std::clamp(value, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
        }
    return m_nPos;
}

void CSpinCtrl::SetPos(int pos) {
    m_nPos = std::clamp(pos, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
    WriteBuddy();
    Changed();
}

void CSpinCtrl::WriteBuddy() {
    if (m_nBuddy == 0 || !HasStyle(ControlStyle::SetBuddyInt))
        return;
    if (CControl* buddy = Owner().GetDlgItem(m_nBuddy))
        buddy->SetWindowText(std::to_string(m_nPos));
}

void CSpinCtrl::StepByUser(int delta) {
    if (!IsWindowEnabled())
        return;
    CNotification notification;
    notification.id = GetDlgCtrlID();
    notification.code = UDN_DELTAPOS;
    notification.delta = delta;
    Owner().SendNotification(notification);
    // The arrows run from lower to upper, whichever of the two is larger.
    const int step = m_nLower <= m_nUpper ? delta : -delta;
    SetPos(GetPos() + step);
}
