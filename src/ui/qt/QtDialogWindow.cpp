#include "ui/qt/QtDialogWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

#include "ui/Application.h"
#include "ui/Dialog.h"
#include "ui/qt/AccessibleLabels.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtImages.h"
#include "ui/qt/QtPeer.h"
#include "ui/qt/QtPeerFactory.h"
#include "ui/qt/QtText.h"

namespace {

Qt::WindowFlags FlagsFor(CQtDialogWindow::Role role) {
    switch (role) {
    case CQtDialogWindow::Role::Modal:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    case CQtDialogWindow::Role::Popup:
        return Qt::Window | Qt::FramelessWindowHint;
    case CQtDialogWindow::Role::Child:
        break;
    }
    return Qt::Widget;
}

bool HasEntries(const std::vector<CMenuItem>& menu) {
    for (const CMenuItem& item : menu)
        if (!item.text.empty())
            return true;
    return false;
}

QRect ToQRect(const CRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

} // namespace

CQtDialogWindow::CQtDialogWindow(CDialog& dialog, Role role, QWidget* parent)
    : QWidget(parent, FlagsFor(role)), m_pDialog(&dialog), m_role(role) {
    setFont(DialogFont(dialog.Resource()));
    if (role == Role::Child)
        setAutoFillBackground(true);
    else
        setWindowIcon(ApplicationIcon());
    if (role == Role::Modal)
        setWindowModality(Qt::ApplicationModal);
    setAccessibleName(DisplayText(dialog.GetWindowText()));
    setGeometry(ToQRect(dialog.GetWindowRect()));
    BuildControls();
}

CQtDialogWindow::~CQtDialogWindow() {
    Detach();
}

void CQtDialogWindow::BuildControls() {
    CDialog& dialog = *m_pDialog;
    const std::vector<CControl*>& controls = dialog.Controls();
    for (CControl* control : controls) {
        CQtPeer* peer = MakePeer(*control, this);
        peer->Place(ToQRect(dialog.MapDialogRect(control->Template().rect)));
        m_peers.push_back(peer);
    }
    const std::vector<CAccessibleLabel> labels = AccessibleLabels(dialog.Resource().controls);
    for (size_t i = 0; i < labels.size() && i < m_peers.size(); ++i) {
        m_peers[i]->SetAccessibleLabel(WithoutMnemonics(DisplayText(labels[i].text)));
        // The static text becomes the control's buddy: Linux screen readers follow that
        // relation, and its mnemonic moves the focus to the control, as on the platform.
        const int source = labels[i].source;
        auto* label =
            source >= 0 ? qobject_cast<QLabel*>(m_peers[size_t(source)]->Widget()) : nullptr;
        if (label && !label->buddy() && controls[i]->Kind() != ControlKind::Spin)
            label->setBuddy(m_peers[i]->Widget());
    }
    // Only now: a spin button places itself next to a buddy that may come after it.
    for (CQtPeer* peer : m_peers)
        peer->Refresh();
}

void CQtDialogWindow::Detach() {
    for (CQtPeer* peer : m_peers)
        peer->Detach();
    m_pDialog = nullptr;
}

void CQtDialogWindow::ApplyDialogState(bool first) {
    if (!m_pDialog)
        return;
    const CDialog& dialog = *m_pDialog;
    bool changed = false;
    const QString caption = DisplayText(dialog.GetWindowText());
    if (windowTitle() != caption) {
        setWindowTitle(caption);
        setAccessibleName(caption);
        changed = true;
    }
    const QRect rect = ToQRect(dialog.GetWindowRect());
    if (m_role == Role::Child) {
        if (geometry() != rect) {
            setGeometry(rect);
            changed = true;
        }
    } else if (size() != rect.size() || first) {
        // Top-level windows keep their place on screen; the dialog decides only the size.
        setFixedSize(rect.size());
        changed = true;
    }
    if (first) {
        m_bReady = true;
        if (m_role == Role::Child)
            raise();
        else
            PlaceOnScreen();
    }
    // Windows appear once OnInitDialog has run, as they do on the platform.
    if (m_bReady && isHidden() == dialog.IsWindowVisible()) {
        setVisible(dialog.IsWindowVisible());
        changed = true;
    }
    if (!changed && m_role != Role::Child && isVisible() && !dialog.IsEnded()) {
        raise();
        activateWindow();
    }
}

void CQtDialogWindow::PlaceOnScreen() {
    // Over the window it belongs to; a pop-up without one over the window the operator was
    // working in, else in the middle of the screen.
    QWidget* owner = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    QRect area;
    if (owner && owner != this && owner->isVisible())
        area = owner->geometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

CDialog* CQtDialogWindow::SystemMenuOwner(CDialog& dialog) {
    for (CDialog* owner = &dialog; owner; owner = owner->Host() ? &owner->Host()->Owner() : nullptr)
        if (HasEntries(owner->SystemMenu()))
            return owner;
    return nullptr;
}

void CQtDialogWindow::paintEvent(QPaintEvent* event) {
    // The dialog's OnPaint may set the caption; guard against a paint it causes itself.
    if (m_pDialog && !m_bPainting) {
        m_bPainting = true;
        m_pDialog->OnPaint();
        m_bPainting = false;
    }
    if (m_role == Role::Popup) {
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), palette(), false);
    }
    QWidget::paintEvent(event);
}

void CQtDialogWindow::closeEvent(QCloseEvent* event) {
    // The window goes only when the dialog ends; the close box asks it with WM_CLOSE.
    event->ignore();
    if (m_role == Role::Modal && m_pDialog && !Application().IsBlocked())
        m_pDialog->SendMessage(WM_CLOSE);
}

void CQtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    // Only the background offers it; labels and group boxes let the mouse through to it.
    CDialog* owner = m_pDialog ? SystemMenuOwner(*m_pDialog) : nullptr;
    if (!owner || childAt(event->pos())) {
        event->ignore();
        return;
    }
    // Linux has no system menu: its entries are offered here.
    QMenu menu(this);
    for (const CMenuItem& item : owner->SystemMenu()) {
        if (item.text.empty())
            menu.addSeparator();
        else
            menu.addAction(DisplayText(item.text))->setData(item.id);
    }
    const int hwnd = owner->GetSafeHwnd();
    const QAction* chosen = menu.exec(event->globalPos());
    if (CDialog* live = CDialog::FromHandle(hwnd); chosen && live)
        live->SendMessage(WM_SYSCOMMAND, chosen->data().toUInt());
}
