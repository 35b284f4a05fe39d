#include "ui/qt/QtInputRouter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/Control.h"
#include "ui/Dialog.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/QtMessageQueue.h"
#include "ui/qt/QtPeer.h"

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
        return true;
    default:
        return false;
    }
}

// The dialog window a widget is shown in (for a page: the top-level window around it).
CQtDialogWindow* DialogWindowOf(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget ? dynamic_cast<CQtDialogWindow*>(widget->window()) : nullptr;
}

CControl* ControlOf(const QWidget* widget) {
    const CQtPeer* peer = CQtPeer::ForWidget(widget);
    return peer ? peer->Control() : nullptr;
}

void ChooseFirstSystemMenuEntry(CDialog& dialog) {
    CDialog* owner = CQtDialogWindow::SystemMenuOwner(dialog);
    if (!owner)
        return;
    for (const CMenuItem& item : owner->SystemMenu())
        if (!item.text.empty()) {
            owner->SendMessage(WM_SYSCOMMAND, item.id);
            return;
        }
}

// Ctrl and a letter choose the system menu entry whose text ends in a tab and "Ctrl+" with
// that letter, as a window menu shows its shortcuts.
bool ChooseSystemMenuShortcut(CDialog& dialog, int key) {
    CDialog* owner = CQtDialogWindow::SystemMenuOwner(dialog);
    if (!owner || key < Qt::Key_A || key > Qt::Key_Z)
        return false;
    const std::string shortcut =
        std::string("\tCtrl+") + static_cast<char>('A' + (key - Qt::Key_A));
    for (const CMenuItem& item : owner->SystemMenu())
        if (item.text.size() > shortcut.size() &&
            item.text.compare(item.text.size() - shortcut.size(), shortcut.size(), shortcut) == 0) {
            owner->SendMessage(WM_SYSCOMMAND, item.id);
            return true;
        }
    return false;
}

} // namespace

CQtInputRouter::CQtInputRouter(const CQtMessageQueue& queue) : m_queue(queue) {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!m_queue.IsHeld())
            FocusMoved(now);
    });
}

CQtInputRouter::~CQtInputRouter() {
    qApp->removeEventFilter(this);
}

void CQtInputRouter::SyncFocus() {
    FocusMoved(QApplication::focusWidget());
}

void CQtInputRouter::FocusMoved(QWidget* now) {
    CControl* previous = ControlOf(m_pLastFocus);
    m_pLastFocus = now;
    // The control that loses the focus to another dialog's control or to no control at all
    // hears of it first; within one dialog MoveFocusTo tells both in order.
    CControl* next = ControlOf(now);
    if (previous && previous->HasFocus() && (!next || &next->Owner() != &previous->Owner()))
        previous->Owner().MoveFocusTo(nullptr);
    // The handlers may have changed the windows: look again.
    if (CControl* control = ControlOf(m_pLastFocus))
        control->Owner().MoveFocusTo(control);
}

bool CQtInputRouter::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInput(event->type()))
        return false;
    CQtDialogWindow* window = DialogWindowOf(watched);
    if (!window || !window->Dialog())
        return false;
    if (m_queue.IsHeld())
        return true;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    CDialog& dialog = *window->Dialog();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Ctrl+Enter still types a line break into a multi-line edit.
        if (key->modifiers().testFlag(Qt::ControlModifier))
            return false;
        dialog.OnEnterKey();
        return true;
    case Qt::Key_Escape:
        dialog.OnEscapeKey();
        return true;
    case Qt::Key_F1:
        ChooseFirstSystemMenuEntry(dialog);
        return true;
    default:
        return key->modifiers() == Qt::ControlModifier &&
               ChooseSystemMenuShortcut(dialog, key->key());
    }
}
