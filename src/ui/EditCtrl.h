#pragma once

#include "ui/Control.h"

// Keys an edit control reacts to; everything else arrives as characters or is ignored.
enum class VirtualKey { Delete, Home, End, Left, Right, Up, Down, Insert, Other };

// An edit control: its window text, selection and the plain single-line editing behaviour of
// the platform's edit control, written portably so that every backend edits alike. Controls
// with their own input rules (the masked edit) derive from it and override the input handlers;
// calling the base handler is "letting the platform handle it".
class CEditCtrl : public CControl {
public:
    CEditCtrl(CDialog& owner, const CControlTemplate& tmpl);

    // Window text set by code: stored, selection collapsed at 0, EN_UPDATE then EN_CHANGE.
    void SetWindowText(std::string_view text) override;

    // Selection as ordered character indexes; start == end is a plain caret.
    void GetSel(int& start, int& end) const;
    void SetSel(int start, int end);
    // Replaces the selection with `text` (the caret ends after it) and notifies the change.
    void ReplaceSel(std::string_view text);
    // Puts the caret at the end and inserts `text` there, scrolled into view (a transcript's
    // append); costs the length of `text`, not of the whole text.
    void AppendText(std::string_view text);

    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool readOnly = true);
    int GetLimitText() const { return m_nLimit; }
    void SetLimitText(int limit) {
        m_nLimit = limit;
        Changed();
    }
    int GetLineCount() const;

    // The operator's input, delivered by a renderer or a test on the UI thread.
    virtual void OnChar(int code);
    // Returns false when the key means nothing to an edit control.
    virtual bool OnKeyDown(VirtualKey key, bool shift);
    // Pastes the clipboard's text through OnPasteText.
    virtual void OnPaste();
    // Puts `text` in place of the selection as a paste does: its first line, within the text
    // limit. The X11 selection pasted with the middle button comes here too.
    virtual void OnPasteText(std::string_view text);
    virtual void OnCut();
    virtual void OnCopy();
    virtual void OnClear();
    // A click at character index `index`.
    virtual void OnLButtonDown(int index);
    void OnFocusChange(bool focused) override;
    // A renderer whose native widget edited the text itself reports the result here; a
    // control with its own input rules takes the text through them.
    virtual void OnTextEdited(std::string_view text);

    void Reset() override;

protected:
    // Stores the text without notifications (the platform's own part of a set-text).
    void StoreText(std::string_view text);
    // Sends EN_UPDATE, then EN_CHANGE.
    virtual void NotifyTextChanged();
    void MoveCaret(int index, bool extend);
    int TextLength() const;

private:
    bool Accepts(int code) const;

    int m_nAnchor = 0;
    int m_nCaret = 0;
    bool m_bReadOnly = false;
    int m_nLimit = 0;
};
