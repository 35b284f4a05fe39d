#include "ui/qt/QtPeer.h"

#include <QWidget>
#include <unordered_map>

#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/Dialog.h"
#include "ui/qt/QtDialogWindow.h"

namespace {

std::unordered_map<const QWidget*, CQtPeer*>& Registry() {
    static std::unordered_map<const QWidget*, CQtPeer*> peers;
    return peers;
}

} // namespace

CQtPeer::CQtPeer(CControl& control, QWidget* widget)
    : QObject(widget), m_pControl(&control), m_pWidget(widget) {
    Registry()[widget] = this;
    control.AttachPeer(this);
}

CQtPeer::~CQtPeer() {
    Detach();
    Registry().erase(m_pWidget);
}

void CQtPeer::Detach() {
    if (!m_pControl)
        return;
    if (m_pControl->Peer() == this)
        m_pControl->AttachPeer(nullptr);
    m_pControl = nullptr;
    OnDetached();
}

CQtPeer* CQtPeer::ForWidget(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const auto it = Registry().find(w);
        if (it != Registry().end())
            return it->second;
        // A page inside a tab control belongs to the page, not to the tab control.
        if (w->isWindow() || dynamic_cast<const CQtDialogWindow*>(w))
            return nullptr;
    }
    return nullptr;
}

CQtPeer* CQtPeer::Of(const CControl& control) {
    return dynamic_cast<CQtPeer*>(control.Peer());
}

bool CQtPeer::TakeNativeChange() {
    if (!FromOperator())
        return false;
    if (!Application().IsBlocked() && !IsBehindModalWindow())
        return true;
    Refresh();
    return false;
}

// Qt keeps the mouse and the keys from a window a modal one blocks, but not an assistive
// technology's actions and edits: those are refused here.
bool CQtPeer::IsBehindModalWindow() const {
    return m_pControl && m_pControl->Owner().IsBehindModalWindow();
}

void CQtPeer::Place(const QRect& rect) {
    m_pWidget->setGeometry(rect);
}

void CQtPeer::SetAccessibleLabel(const QString& label) {
    m_pWidget->setAccessibleName(label);
}

void CQtPeer::Refresh() {
    if (!m_pControl)
        return;
    const bool wasRefreshing = m_bRefreshing;
    m_bRefreshing = true;
    m_pWidget->setEnabled(m_pControl->IsWindowEnabled());
    m_pWidget->setHidden(!m_pControl->IsWindowVisible());
    RefreshWidget();
    m_bRefreshing = wasRefreshing;
}

CRect CQtPeer::ClientRect() const {
    const QRect contents = m_pWidget->contentsRect();
    return CRect{0, 0, contents.width(), contents.height()};
}

CRect CQtPeer::ItemRect(int) const {
    return CRect{};
}

void CQtPeer::SetFocus() {
    m_pWidget->setFocus(Qt::OtherFocusReason);
}
