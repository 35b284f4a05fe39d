#include "ui/EditCtrl.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/ControlPeer.h"
#include "ui/Text.h"

CEditCtrl::CEditCtrl(CDialog& owner, const CControlTemplate& tmpl) : CControl(owner, tmpl) {
    CEditCtrl::Reset();
}

void CEditCtrl::Reset() {
    CControl::Reset();
    m_nAnchor = m_nCaret = 0;
    m_bReadOnly = HasStyle(ControlStyle::ReadOnly);
    m_nLimit = Template().textLimit;
}

int CEditCtrl::TextLength() const {
    return Length(StoredText());
}

void CEditCtrl::StoreText(std::string_view text) {
    SetTextSilently(text);
    m_nAnchor = m_nCaret = std::min(m_nCaret, TextLength());
    Changed();
}

void CEditCtrl::NotifyTextChanged() {
    Notify(EN_UPDATE);
    Notify(EN_CHANGE);
}

void CEditCtrl::SetWindowText(std::string_view text) {
    m_nAnchor = m_nCaret = 0;
    StoreText(text);
    NotifyTextChanged();
}

void CEditCtrl::OnTextEdited(std::string_view text) {
    if (text == GetWindowText())
        return;
    SetTextSilently(text);
    m_nAnchor = m_nCaret = TextLength();
    NotifyTextChanged();
}

void CEditCtrl::GetSel(int& start, int& end) const {
    start = std::min(m_nAnchor, m_nCaret);
    end = std::max(m_nAnchor, m_nCaret);
}

void CEditCtrl::SetSel(int start, int end) {
    const int length = TextLength();
    // As on the platform: a negative start removes the selection, a negative end means the end.
    if (start < 0) {
        m_nAnchor = m_nCaret = std::min(m_nCaret, length);
    } else {
        if (end < 0)
            end = length;
        m_nAnchor = std::clamp(start, 0, length);
        m_nCaret = std::clamp(end, 0, length);
    }
    Changed();
}

void CEditCtrl::MoveCaret(int index, bool extend) {
    m_nCaret = std::clamp(index, 0, TextLength());
    if (!extend)
        m_nAnchor = m_nCaret;
    Changed();
}

void CEditCtrl::ReplaceSel(std::string_view text) {
    int start = 0, end = 0;
    GetSel(start, end);
    const std::string current = GetWindowText();
    const std::string next = Left(current, start) + std::string(text) + Mid(current, end);
    SetTextSilently(next);
    m_nAnchor = m_nCaret = start + Length(text);
    Changed();
    NotifyTextChanged();
}

void CEditCtrl::AppendText(std::string_view text) {
    AppendTextSilently(text);
    m_nAnchor = m_nCaret = TextLength();
    if (Peer())
        Peer()->TextAppended(text);
    NotifyTextChanged();
}

void CEditCtrl::SetReadOnly(bool readOnly) {
    m_bReadOnly = readOnly;
    Changed();
}

int CEditCtrl::GetLineCount() const {
    const std::string text = GetWindowText();
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

bool CEditCtrl::Accepts(int code) const {
    if (code < 32 || code > 255 || code == 127)
        return false;
    if (HasStyle(ControlStyle::Number) && (code < '0' || code > '9'))
        return false;
    return true;
}

void CEditCtrl::OnChar(int code) {
    if (m_bReadOnly)
        return;
    int start = 0, end = 0;
    GetSel(start, end);
    if (code == 8) {
        if (start == end && start > 0)
            m_nAnchor = start - 1;
        if (m_nAnchor != m_nCaret)
            ReplaceSel("");
        return;
    }
    if (code < 32)
        return;
    const bool full = m_nLimit > 0 && TextLength() - (end - start) >= m_nLimit;
    if (!Accepts(code) || full) {
        Application().Backend().Beep();
        return;
    }
    ReplaceSel(std::string(1, static_cast<char>(code)));
}

bool CEditCtrl::OnKeyDown(VirtualKey key, bool shift) {
    switch (key) {
    case VirtualKey::Home:
        MoveCaret(0, shift);
        return true;
    case VirtualKey::End:
        MoveCaret(TextLength(), shift);
        return true;
    case VirtualKey::Left:
    case VirtualKey::Up:
        MoveCaret(m_nCaret - 1, shift);
        return true;
    case VirtualKey::Right:
    case VirtualKey::Down:
        MoveCaret(m_nCaret + 1, shift);
        return true;
    case VirtualKey::Delete:
        if (m_bReadOnly)
            return true;
        if (m_nAnchor == m_nCaret) {
            if (m_nCaret >= TextLength())
                return true;
            m_nAnchor = m_nCaret + 1;
        }
        ReplaceSel("");
        return true;
    case VirtualKey::Insert:
    case VirtualKey::Other:
        return false;
    }
    return false;
}

void CEditCtrl::OnPaste() {
    OnPasteText(Application().Backend().GetClipboardText());
}

void CEditCtrl::OnPasteText(std::string_view pasted) {
    if (m_bReadOnly)
        return;
    std::string text(pasted);
    if (!HasStyle(ControlStyle::MultiLine)) {
        const int lineEnd = std::min(Find(text, '\r') < 0 ? Length(text) : Find(text, '\r'),
                                     Find(text, '\n') < 0 ? Length(text) : Find(text, '\n'));
        text = Left(text, lineEnd);
    }
    int start = 0, end = 0;
    GetSel(start, end);
    if (m_nLimit > 0)
        text = Left(text, std::max(0, m_nLimit - (TextLength() - (end - start))));
    ReplaceSel(text);
}

void CEditCtrl::OnCopy() {
    int start = 0, end = 0;
    GetSel(start, end);
    if (start < end && !HasStyle(ControlStyle::Password))
        Application().Backend().SetClipboardText(Mid(GetWindowText(), start, end - start));
}

void CEditCtrl::OnCut() {
    if (m_bReadOnly)
        return;
    OnCopy();
    OnClear();
}

void CEditCtrl::OnClear() {
    if (m_bReadOnly || m_nAnchor == m_nCaret)
        return;
    ReplaceSel("");
}

void CEditCtrl::OnLButtonDown(int index) {
    if (!HasFocus())
        SetFocus();
    MoveCaret(index, false);
}

void CEditCtrl::OnFocusChange(bool focused) {
    CControl::OnFocusChange(focused);
    if (focused)
        SetSel(0, -1); // tabbing into an edit selects its whole text
    Notify(focused ? EN_SETFOCUS : EN_KILLFOCUS);
}
