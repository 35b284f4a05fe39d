#pragma once

#include <string>
#include <string_view>

#include "controls/LocaleSeparators.h"
#include "controls/MaskPositions.h"
#include "controls/MaskedEditValidateInfo.h"
#include "ui/EditCtrl.h"

// A single-line edit that holds its input to a mask, such as "&&:&&:&&:&&:&&:&&" for a
// Bluetooth device address. The position list is the truth: every keystroke, clipboard action
// and text set from outside becomes an operation on the list, after which the window text is
// rebuilt from it. Without a mask it is a plain edit control apart from its focus and mouse
// rules. A dialog makes it a member, binds it in place of its resource's edit and may apply the
// mask and pour values before its window exists; the first redraw comes with the window.
// Everything runs on the UI thread; nothing blocks.
class CMaskedEdit : public CEditCtrl {
public:
    // Reads the separators of the user's locale, then applies `mask` (empty: no mask).
    CMaskedEdit(CDialog& owner, const CControlTemplate& tmpl, std::string_view mask = {});

    // Rebuilds the positions from `mask` and redraws with the caret on the first input position.
    void ApplyMask(std::string_view mask);
    // Makes `c` the prompt (NUL, CR, LF and DEL are ignored); redraws without placing the caret.
    void SetPromptChar(char c);
    // The characters of the input positions; the window text when there is no mask.
    std::string GetInputChars() const;
    // Pours `text` into the input positions after the first `keep` input characters, dropping
    // prompt characters unless `keepPrompt`; false when a character was skipped. Redraws.
    bool PutInputChars(std::string_view text, int keep, bool keepPrompt);
    // First input position at or after `index` showing the prompt; the mask length if none.
    int FindFirstBlank(int index) const;
    // No input position is filled (no mask: the window text is empty).
    bool HasNoInput() const;
    bool IsInserting() const { return m_bInsertMode; }
    void SetInserting(bool inserting) { m_bInsertMode = inserting; }
    bool IsEditableAt(int index) const;

    // The window text: set from outside it is poured into the positions, so the window always
    // shows the display text; set by the control's own redraw it is stored as it is.
    void SetWindowText(std::string_view text) override;
    void OnChar(int code) override;
    bool OnKeyDown(VirtualKey key, bool shift) override;
    void OnPasteText(std::string_view text) override;
    void OnCut() override;
    void OnClear() override;
    void OnLButtonDown(int index) override;
    void OnFocusChange(bool focused) override;
    // A whole new text from a native widget counts as the operator's: it is taken in like a
    // text set from outside, with EN_CHANGE, and the caret goes to the first unfilled position.
    // A read-only field keeps its content.
    void OnTextEdited(std::string_view text) override;
    // The window is created: the text is redrawn and the caret put on the first input position.
    void Reset() override;

    // Called whenever input is refused: the platform's exclamation beep.
    virtual void SignalInvalid();
    // Consulted when the control loses the focus and the parent lets it; true accepts.
    virtual bool ValidateOnLeave();

protected:
    // EN_UPDATE, then EN_CHANGE unless a text set from outside is being taken in.
    void NotifyTextChanged() override;

private:
    void TypeCharacter(int code, int start, int end);
    void Backspace(int start, int end);
    void DeleteForward(int start, int end);
    // Cut (`cut` true) and Clear: the selected input goes first, then the platform's own.
    void RemoveSelectedInput(bool cut);
    void PlatformCutOrClear(bool cut) { cut ? CEditCtrl::OnCut() : CEditCtrl::OnClear(); }
    void ValidateFocusLoss();

    int NextEditable(int p) const { return m_positions.NextEditable(p); }
    int PrevEditableEnd(int p) const { return m_positions.PrevEditableEnd(p); }
    int RemoveInputRange(int start, int end) { return m_positions.RemoveInputRange(start, end); }
    int InsertCharAt(int p, char c) { return m_positions.InsertCharAt(p, c); }
    int OverwriteCharAt(int p, char c) { return m_positions.OverwriteCharAt(p, c); }
    std::string RemoveLiteralRuns(std::string_view text, int from = 0) const {
        return m_positions.RemoveLiteralRuns(text, from);
    }
    // Sets the window text to the display text and, for a caret index of 0 or more, places
    // the caret forward from it; skipped while the dialog has no window.
    void RefreshText(int caret);
    void Redraw(int caret);
    void PlaceCaretForward(int p);
    void PlaceCaretBackward(int p);
    bool HasMask() const { return m_positions.HasMask(); }
    bool WindowExists() const;

    CMaskPositions m_positions; // the position list and the prompt
    bool m_bInsertMode = true;
    CLocaleSeparators m_separators;
    int m_nSetTextDepth = 0;
    bool m_bNotifyChange = true;
};
