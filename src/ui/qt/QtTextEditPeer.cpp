#include "ui/qt/QtTextEditPeer.h"

#include <QPlainTextEdit>
#include <algorithm>

#include "ui/EditCtrl.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace {

bool IsLineEnd(const std::string& text, size_t i) {
    return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
}

// The control's text as shown: every "\r\n" is one line break.
QString ToDisplay(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!IsLineEnd(text, i))
            shown += text[i];
    return FromLatin1(shown);
}

std::string FromDisplay(const QString& shown) {
    std::string text;
    for (const char c : ToLatin1(shown)) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

// Character index in the widget for index `index` of the control's text, and back.
int DisplayIndex(const std::string& text, int index) {
    int shown = 0;
    for (size_t i = 0; i < text.size() && static_cast<int>(i) < index; ++i)
        if (!IsLineEnd(text, i))
            ++shown;
    return shown;
}

int ControlIndex(const std::string& text, int shownIndex) {
    int shown = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (shown == shownIndex && !(i > 0 && IsLineEnd(text, i - 1)))
            return static_cast<int>(i);
        if (!IsLineEnd(text, i))
            ++shown;
    }
    return static_cast<int>(text.size());
}

QPlainTextEdit* MakeTextEdit(const CEditCtrl& edit, QWidget* window) {
    auto* text = new QPlainTextEdit(window);
    if (edit.HasStyle(ControlStyle::FixedFont))
        text->setFont(FixedFont(window->font()));
    text->setLineWrapMode(edit.HasStyle(ControlStyle::HScroll) ? QPlainTextEdit::NoWrap
                                                               : QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(edit.HasStyle(ControlStyle::VScroll) ? Qt::ScrollBarAsNeeded
                                                                          : Qt::ScrollBarAlwaysOff);
    text->setHorizontalScrollBarPolicy(
        edit.HasStyle(ControlStyle::HScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control, as in a dialog.
    text->setTabChangesFocus(true);
    text->setUndoRedoEnabled(false);
    return text;
}

} // namespace

CQtTextEditPeer::CQtTextEditPeer(CEditCtrl& edit, QWidget* window)
    : CQtPeer(edit, MakeTextEdit(edit, window)), m_editablePalette(TextEdit()->palette()) {
    connect(TextEdit(), &QPlainTextEdit::textChanged, this, &CQtTextEditPeer::OnEdited);
    connect(TextEdit(), &QPlainTextEdit::cursorPositionChanged, this,
            &CQtTextEditPeer::ReportSelection);
    connect(TextEdit(), &QPlainTextEdit::selectionChanged, this, &CQtTextEditPeer::ReportSelection);
}

QPlainTextEdit* CQtTextEditPeer::TextEdit() const {
    return static_cast<QPlainTextEdit*>(Widget());
}

void CQtTextEditPeer::OnEdited() {
    if (!TakeNativeChange())
        return;
    CEditCtrl& edit = ControlAs<CEditCtrl>();
    // Qt lets an assistive technology change the text of a read-only pane.
    if (!edit.IsReadOnly())
        edit.OnTextEdited(FromDisplay(TextEdit()->toPlainText()));
    ReportSelection();
    Refresh();
}

void CQtTextEditPeer::ReportSelection() {
    if (!FromOperator())
        return;
    if (IsBehindModalWindow()) {
        Refresh();
        return;
    }
    CEditCtrl& edit = ControlAs<CEditCtrl>();
    const std::string text = edit.GetWindowText();
    if (FromDisplay(TextEdit()->toPlainText()) != text)
        return;
    const QTextCursor cursor = TextEdit()->textCursor();
    const int anchor = ControlIndex(text, cursor.anchor());
    const int caret = ControlIndex(text, cursor.position());
    int start = 0, end = 0;
    edit.GetSel(start, end);
    if (start != std::min(anchor, caret) || end != std::max(anchor, caret))
        edit.SetSel(anchor, caret);
}

void CQtTextEditPeer::RefreshWidget() {
    const CEditCtrl& edit = ControlAs<CEditCtrl>();
    QPlainTextEdit* widget = TextEdit();
    const std::string text = edit.GetWindowText();
    const QString shown = ToDisplay(text);
    const QString current = widget->toPlainText();
    bool moved = false;
    if (current != shown) {
        if (!current.isEmpty() && shown.startsWith(current)) {
            QTextCursor end(widget->document());
            end.movePosition(QTextCursor::End);
            end.insertText(shown.mid(current.size()));
        } else {
            widget->setPlainText(shown);
        }
        moved = true;
    }
    if (widget->isReadOnly() != edit.IsReadOnly()) {
        widget->setReadOnly(edit.IsReadOnly());
        QPalette palette = m_editablePalette;
        if (edit.IsReadOnly())
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        widget->setPalette(palette);
    }
    int start = 0, end = 0;
    edit.GetSel(start, end);
    const int shownStart = DisplayIndex(text, start);
    const int shownEnd = DisplayIndex(text, end);
    QTextCursor cursor = widget->textCursor();
    if (cursor.selectionStart() != shownStart || cursor.selectionEnd() != shownEnd) {
        cursor.setPosition(shownStart);
        cursor.setPosition(shownEnd, QTextCursor::KeepAnchor);
        widget->setTextCursor(cursor);
        moved = true;
    }
    if (moved)
        widget->ensureCursorVisible();
}
