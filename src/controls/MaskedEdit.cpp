#include "controls/MaskedEdit.h"

#include "ui/Application.h"
#include "ui/Dialog.h"
#include "ui/Text.h"

CMaskedEdit::CMaskedEdit(CDialog& owner, const CControlTemplate& tmpl, std::string_view mask)
    : CEditCtrl(owner, tmpl) {
    m_separators.Read();
    // Every pour redraws with the caret on the first input position.
    m_positions.SetPourHandler([this] { RefreshText(0); });
    ApplyMask(mask);
}

void CMaskedEdit::ApplyMask(std::string_view mask) {
    if (!HasMask() && WindowExists())
        SetWindowText("");
    m_positions.ApplyMask(mask, m_separators);
    RefreshText(0);
}

void CMaskedEdit::SetPromptChar(char c) {
    m_positions.SetPromptChar(c);
    RefreshText(-1);
}

std::string CMaskedEdit::GetInputChars() const {
    return HasMask() ? m_positions.InputText() : GetWindowText();
}

bool CMaskedEdit::PutInputChars(std::string_view text, int keep, bool keepPrompt) {
    return m_positions.PutInputChars(text, keep, keepPrompt);
}

int CMaskedEdit::FindFirstBlank(int index) const {
    return m_positions.FindFirstBlank(index);
}

bool CMaskedEdit::HasNoInput() const {
    return HasMask() ? m_positions.HasNoInput() : GetWindowText().empty();
}

bool CMaskedEdit::IsEditableAt(int index) const {
    return m_positions.IsEditableAt(index);
}

bool CMaskedEdit::WindowExists() const {
    return Owner().GetSafeHwnd() != 0;
}

void CMaskedEdit::RefreshText(int caret) {
    if (WindowExists())
        Redraw(caret);
}

void CMaskedEdit::Redraw(int caret) {
    ++m_nSetTextDepth;
    SetWindowText(m_positions.DisplayText());
    --m_nSetTextDepth;
    if (caret >= 0)
        PlaceCaretForward(caret);
}

void CMaskedEdit::PlaceCaretForward(int p) {
    const int caret = NextEditable(p);
    SetSel(caret, caret);
}

void CMaskedEdit::PlaceCaretBackward(int p) {
    const int caret = PrevEditableEnd(p);
    SetSel(caret, caret);
}

void CMaskedEdit::NotifyTextChanged() {
    Notify(EN_UPDATE);
    if (m_bNotifyChange)
        Notify(EN_CHANGE);
}

void CMaskedEdit::SetWindowText(std::string_view text) {
    if (!HasMask()) {
        CEditCtrl::SetWindowText(text);
    } else if (m_nSetTextDepth > 0) {
        // The control's own redraw: the platform's part keeps the caret where it is.
        StoreText(text);
        NotifyTextChanged();
    } else {
        m_bNotifyChange = false;
        PutInputChars(RemoveLiteralRuns(text), 0, true);
        m_bNotifyChange = true;
    }
}

void CMaskedEdit::OnTextEdited(std::string_view text) {
    if (!HasMask()) {
        CEditCtrl::OnTextEdited(text);
        return;
    }
    if (IsReadOnly())
        return;
    PutInputChars(RemoveLiteralRuns(text), 0, true);
    const int caret = FindFirstBlank(0);
    SetSel(caret, caret);
}

void CMaskedEdit::Reset() {
    CEditCtrl::Reset();
    // The window is being created: its handle is not yet set, so the redraw is not skipped.
    if (HasMask())
        Redraw(0);
}

void CMaskedEdit::SignalInvalid() {
    Application().Backend().Beep();
}

bool CMaskedEdit::ValidateOnLeave() {
    return true;
}

void CMaskedEdit::OnChar(int code) {
    if (!HasMask() || IsReadOnly()) {
        CEditCtrl::OnChar(code);
        return;
    }
    int start = 0, end = 0;
    GetSel(start, end);
    if (code == 8)
        Backspace(start, end);
    else if (code >= 0 && code < 32)
        CEditCtrl::OnChar(code);
    else
        TypeCharacter(code, start, end);
}

void CMaskedEdit::TypeCharacter(int code, int start, int end) {
    const bool selection = start != end;
    if (!selection && !IsEditableAt(start)) {
        SignalInvalid();
        PlaceCaretForward(start);
        return;
    }
    const std::string before = m_positions.InputText();
    if (selection && RemoveInputRange(start, end) == 0) {
        SignalInvalid();
        PlaceCaretForward(start);
        return;
    }
    // A code beyond 8 bits fits no position; it is refused like any unacceptable character.
    int stored = -1;
    if (code >= 0 && code <= 255) {
        const char c = static_cast<char>(code);
        stored = selection || m_bInsertMode ? InsertCharAt(start, c) : OverwriteCharAt(start, c);
    }
    if (stored >= 0) {
        RefreshText(stored + 1);
        return;
    }
    // A refused character leaves the content as it was, the selected input included.
    if (selection)
        PutInputChars(before, 0, true);
    SignalInvalid();
    RefreshText(start);
}

void CMaskedEdit::Backspace(int start, int end) {
    if (start != end && RemoveInputRange(start, end) > 0) {
        RefreshText(start);
        return;
    }
    if (start < 1)
        return;
    // Each try is one position further left, so literals before the caret are jumped.
    for (int shift = 1; start - shift >= -1; ++shift) {
        const int from = start - shift;
        if (RemoveInputRange(from, end - shift + 1) > 0) {
            RefreshText(from);
            return;
        }
    }
}

void CMaskedEdit::DeleteForward(int start, int end) {
    if (start == end)
        ++end;
    const int length = m_positions.Length();
    while (start < length) {
        if (RemoveInputRange(start, end) > 0) {
            RefreshText(start);
            return;
        }
        if (end >= length)
            return;
        ++start;
        ++end;
    }
}

bool CMaskedEdit::OnKeyDown(VirtualKey key, bool shift) {
    if (!HasMask())
        return CEditCtrl::OnKeyDown(key, shift);
    int start = 0, end = 0;
    switch (key) {
    case VirtualKey::Delete:
        if (IsReadOnly())
            return CEditCtrl::OnKeyDown(key, shift);
        GetSel(start, end);
        DeleteForward(start, end);
        return true;
    case VirtualKey::Home:
    case VirtualKey::Right:
    case VirtualKey::Down:
    case VirtualKey::Left:
    case VirtualKey::Up:
        // The platform moves the caret; without Shift it then lands beside an input position.
        CEditCtrl::OnKeyDown(key, shift);
        if (!shift) {
            GetSel(start, end);
            if (key == VirtualKey::Left || key == VirtualKey::Up)
                PlaceCaretBackward(start);
            else
                PlaceCaretForward(start);
        }
        return true;
    case VirtualKey::Insert:
        m_bInsertMode = !m_bInsertMode;
        return true;
    case VirtualKey::End:
    case VirtualKey::Other:
        break;
    }
    return CEditCtrl::OnKeyDown(key, shift);
}

void CMaskedEdit::OnPasteText(std::string_view text) {
    if (!HasMask() || IsReadOnly()) {
        CEditCtrl::OnPasteText(text);
        return;
    }
    int start = 0, end = 0;
    GetSel(start, end);
    const int lengthBefore = TextLength();
    CEditCtrl::OnPasteText(text);
    // What the platform put in place of the selection goes between the input before and
    // after it, without the literals it writes where the mask has them from the place it
    // landed: a formatted text fills the input positions, in any locale.
    const std::string pasted =
        Mid(GetWindowText(), start, TextLength() - lengthBefore + end - start);
    PutInputChars(m_positions.InputText(0, start) + RemoveLiteralRuns(pasted, start) +
                      m_positions.InputText(end, m_positions.Length()),
                  0, false);
    RefreshText(-1);
    const int caret = FindFirstBlank(start);
    SetSel(caret, caret);
}

void CMaskedEdit::OnCut() {
    RemoveSelectedInput(true);
}

void CMaskedEdit::OnClear() {
    RemoveSelectedInput(false);
}

void CMaskedEdit::RemoveSelectedInput(bool cut) {
    if (!HasMask() || IsReadOnly()) {
        PlatformCutOrClear(cut);
        return;
    }
    // The input goes first, so the platform's cut finds nothing selected and leaves the
    // clipboard as it was.
    int start = 0, end = 0;
    GetSel(start, end);
    RemoveInputRange(start, end);
    PlatformCutOrClear(cut);
    RefreshText(start);
}

void CMaskedEdit::OnLButtonDown(int index) {
    if (!HasFocus() && HasNoInput()) {
        SetFocus();
        PlaceCaretForward(0);
        return;
    }
    CEditCtrl::OnLButtonDown(index);
}

void CMaskedEdit::OnFocusChange(bool focused) {
    CEditCtrl::OnFocusChange(focused);
    if (!focused) {
        ValidateFocusLoss();
        return;
    }
    int start = 0, end = 0;
    GetSel(start, end);
    if (start == 0 && end == TextLength())
        PlaceCaretForward(0);
}

void CMaskedEdit::ValidateFocusLoss() {
    MaskedEditValidateInfo info;
    info.hdr.id = GetDlgCtrlID();
    info.hdr.code = MEN_VALIDATE;
    CMessage message;
    message.message = WM_NOTIFY;
    message.wParam = static_cast<WPARAM>(GetDlgCtrlID());
    message.lParam = reinterpret_cast<LPARAM>(&info);
    message.notify = info.hdr;
    Owner().Dispatch(message);

    const bool accepted = info.valid && (!info.runDefaultCheck || ValidateOnLeave());
    if (accepted)
        return;
    SetFocus();
    SignalInvalid();
    PlaceCaretForward(info.caretPosition);
}
