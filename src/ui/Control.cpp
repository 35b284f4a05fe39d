#include "ui/Control.h"

#include "ui/ControlPeer.h"
#include "ui/Dialog.h"

CControl::CControl(CDialog& owner, const CControlTemplate& tmpl)
    : m_owner(owner), m_template(tmpl) {
    CControl::Reset();
}

void CControl::Reset() {
    m_strText = m_template.label;
    m_bEnabled = !HasStyle(ControlStyle::Disabled);
    m_bVisible = !HasStyle(ControlStyle::Hidden);
    m_bFocus = false;
    m_bRedraw = true;
    m_bChangedUnseen = false;
}

void CControl::EnableWindow(bool enable) {
    if (m_bEnabled == enable)
        return;
    m_bEnabled = enable;
    Changed();
}

void CControl::ShowWindow(bool show) {
    if (m_bVisible == show)
        return;
    m_bVisible = show;
    Changed();
}

void CControl::SetWindowText(std::string_view text) {
    m_strText = text;
    Changed();
}

void CControl::SetFocus() {
    m_owner.MoveFocusTo(this);
    if (m_pPeer)
        m_pPeer->SetFocus();
}

void CControl::OnFocusChange(bool focused) {
    m_bFocus = focused;
}

CRect CControl::GetClientRect() const {
    if (m_pPeer)
        return m_pPeer->ClientRect();
    const CRect pixels = m_owner.MapDialogRect(m_template.rect);
    return CRect{0, 0, pixels.Width(), pixels.Height()};
}

void CControl::SetRedraw(bool redraw) {
    m_bRedraw = redraw;
    if (redraw && m_bChangedUnseen)
        Changed();
}

void CControl::Changed() {
    m_bChangedUnseen = !m_bRedraw;
    if (m_pPeer && m_bRedraw)
        m_pPeer->Refresh();
}

void CControl::Notify(int code, int item, CPoint point) {
    CNotification notification;
    notification.id = m_template.id;
    notification.code = code;
    notification.item = item;
    notification.point = point;
    m_owner.SendNotification(notification);
}
