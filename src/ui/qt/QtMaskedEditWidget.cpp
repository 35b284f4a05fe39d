#include "ui/qt/QtMaskedEditWidget.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "ui/Application.h"
#include "ui/Dialog.h"
#include "ui/EditCtrl.h"
#include "ui/qt/QtText.h"

namespace {

constexpr int kBackspace = 8;
constexpr int kDel = 127;

// Text for the control's 8-bit characters: what one byte cannot hold is left out, as the
// backend's clipboard does, rather than turned into "?", which an input position would take.
std::string EightBit(const QString& text) {
    std::string bytes;
    for (const QChar c : text)
        if (c.unicode() <= 0xFF)
            bytes += static_cast<char>(c.unicode());
    return bytes;
}

VirtualKey ToVirtualKey(int key) {
    switch (key) {
    case Qt::Key_Delete:
        return VirtualKey::Delete;
    case Qt::Key_Home:
        return VirtualKey::Home;
    case Qt::Key_End:
        return VirtualKey::End;
    case Qt::Key_Left:
        return VirtualKey::Left;
    case Qt::Key_Right:
        return VirtualKey::Right;
    case Qt::Key_Up:
        return VirtualKey::Up;
    case Qt::Key_Down:
        return VirtualKey::Down;
    case Qt::Key_Insert:
        return VirtualKey::Insert;
    default:
        return VirtualKey::Other;
    }
}

} // namespace

CQtMaskedEditWidget::CQtMaskedEditWidget(QWidget* parent) : QLineEdit(parent) {
    // A click is the control's to judge (it may take the focus itself), so Qt gives the
    // focus only on Tab; nothing may be dropped in behind the control's back.
    setFocusPolicy(Qt::TabFocus);
    setAcceptDrops(false);
    setDragEnabled(false);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { OnNativeTextChange(text); });
}

void CQtMaskedEditWidget::SetControl(CEditCtrl* edit) {
    m_pEdit = edit;
}

void CQtMaskedEditWidget::ShowControlState() {
    if (!m_pEdit)
        return;
    const QString shown = FromLatin1(m_pEdit->GetWindowText());
    m_bShowing = true;
    setMaxLength(std::max<int>(32767, static_cast<int>(shown.size())));
    if (text() != shown)
        setText(shown);
    m_bShowing = false;
    setReadOnly(m_pEdit->IsReadOnly());
    setEchoMode(m_pEdit->HasStyle(ControlStyle::Password) ? Password : Normal);
    int start = 0, end = 0;
    m_pEdit->GetSel(start, end);
    if (start == end)
        setCursorPosition(start);
    else
        setSelection(start, end - start);
}

void CQtMaskedEditWidget::ShowIfBound() {
    if (m_pEdit)
        ShowControlState();
}

void CQtMaskedEditWidget::OnNativeTextChange(const QString& text) {
    if (m_bShowing || !m_pEdit)
        return;
    // Qt lets an assistive technology set the text of a read-only field, and its calls
    // arrive while the UI is blocked or a modal window is over this one too: none of them
    // reaches the control.
    if (!m_pEdit->IsReadOnly() && !Application().IsBlocked() &&
        !m_pEdit->Owner().IsBehindModalWindow())
        m_pEdit->OnTextEdited(EightBit(text));
    ShowIfBound();
}

void CQtMaskedEditWidget::TypeText(const QString& typed) {
    for (const QChar c : typed) {
        if (!m_pEdit)
            return;
        // A character one byte cannot hold reaches the control too, which refuses it with a
        // beep like any character it does not accept.
        if (c.unicode() >= 32)
            m_pEdit->OnChar(c.unicode());
    }
}

void CQtMaskedEditWidget::keyPressEvent(QKeyEvent* event) {
    if (!m_pEdit) {
        event->ignore();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const int key = event->key();
    const bool clipboardKey = key == Qt::Key_Copy || key == Qt::Key_Paste || key == Qt::Key_Cut;
    if (clipboardKey || (control && !modifiers.testFlag(Qt::AltModifier) &&
                         (key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X))) {
        if (key == Qt::Key_C || key == Qt::Key_Copy)
            m_pEdit->OnCopy();
        else if (key == Qt::Key_V || key == Qt::Key_Paste)
            m_pEdit->OnPaste();
        else
            m_pEdit->OnCut();
        event->accept();
        ShowIfBound();
        return;
    }
    const VirtualKey virtualKey = ToVirtualKey(key);
    if (virtualKey != VirtualKey::Other) {
        if (m_pEdit->OnKeyDown(virtualKey, shift))
            event->accept();
        else
            event->ignore();
        ShowIfBound();
        return;
    }
    if (key == Qt::Key_Backspace) {
        // Ctrl+Backspace types DEL where the keyboard makes it so; the control refuses it.
        m_pEdit->OnChar(event->text() == QChar(kDel) ? kDel : kBackspace);
        event->accept();
        ShowIfBound();
        return;
    }
    // Tab, Enter, Escape, function keys and shortcuts belong to the dialog. DEL is a character
    // like any other, for the control to refuse.
    const QString typed = event->text();
    if (control || modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier) ||
        typed.isEmpty() || typed.at(0).unicode() < 32) {
        event->ignore();
        return;
    }
    TypeText(typed);
    event->accept();
    ShowIfBound();
}

void CQtMaskedEditWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (m_pEdit && !event->commitString().isEmpty())
        TypeText(event->commitString());
    event->accept();
    ShowIfBound();
}

void CQtMaskedEditWidget::mousePressEvent(QMouseEvent* event) {
    if (!m_pEdit || event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    m_pEdit->OnLButtonDown(cursorPositionAt(event->position().toPoint()));
    event->accept();
    ShowIfBound();
}

void CQtMaskedEditWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void CQtMaskedEditWidget::mouseMoveEvent(QMouseEvent* event) {
    // Selecting by dragging would bypass the control; it keeps the caret where it put it.
    event->accept();
}

void CQtMaskedEditWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // X11's middle click: a click, then a paste of the selection, both the control's to handle.
    // With nothing selected anywhere it is a click alone.
    if (!m_pEdit || event->button() != Qt::MiddleButton ||
        !QGuiApplication::clipboard()->supportsSelection())
        return;
    const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
    m_pEdit->OnLButtonDown(cursorPositionAt(event->position().toPoint()));
    if (m_pEdit && !selection.isEmpty())
        m_pEdit->OnPasteText(EightBit(selection));
    ShowIfBound();
}

void CQtMaskedEditWidget::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (!m_pEdit)
        return;
    int start = 0, end = 0;
    m_pEdit->GetSel(start, end);
    const bool selected = start < end;
    const bool writable = !m_pEdit->IsReadOnly();
    QMenu menu(this);
    QAction* cut = menu.addAction(QStringLiteral("Cu&t"));
    QAction* copy = menu.addAction(QStringLiteral("&Copy"));
    QAction* paste = menu.addAction(QStringLiteral("&Paste"));
    QAction* clear = menu.addAction(QStringLiteral("&Delete"));
    menu.addSeparator();
    QAction* selectAll = menu.addAction(QStringLiteral("Select &All"));
    cut->setEnabled(selected && writable);
    copy->setEnabled(selected);
    paste->setEnabled(writable);
    clear->setEnabled(selected && writable);
    const QAction* chosen = menu.exec(event->globalPos());
    if (!m_pEdit || !chosen)
        return;
    if (chosen == cut)
        m_pEdit->OnCut();
    else if (chosen == copy)
        m_pEdit->OnCopy();
    else if (chosen == paste)
        m_pEdit->OnPaste();
    else if (chosen == clear)
        m_pEdit->OnClear();
    else if (chosen == selectAll)
        m_pEdit->SetSel(0, -1);
    ShowIfBound();
}

void CQtMaskedEditWidget::focusInEvent(QFocusEvent* event) {
    // QLineEdit selects everything on Tab; the control decides the selection instead.
    QLineEdit::focusInEvent(event);
    ShowIfBound();
}

void CQtMaskedEditWidget::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    ShowIfBound();
}
