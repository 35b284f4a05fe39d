#include "ui/qt/QtTabPeer.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTimer>
#include <algorithm>

#include "ui/TabCtrl.h"
#include "ui/qt/QtText.h"

namespace {

// Tabs as tight as the platform's: the text (whose blanks give the room) and a small margin,
// so that the pages under them get the height their resources were laid out for.
class CCompactTabBar final : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        const QFontMetrics metrics = fontMetrics();
        return QSize(metrics.horizontalAdvance(tabText(index)) + 12, metrics.height() + 8);
    }
};

} // namespace

CQtTabPeer::CQtTabPeer(CTabCtrl& tab, QWidget* window) : CQtPeer(tab, new QWidget(window)) {
    m_pPane = new QFrame(Widget());
    m_pPane->setFrameShape(QFrame::StyledPanel);
    m_pPane->setFrameShadow(QFrame::Raised);
    m_pBar = new CCompactTabBar(Widget());
    m_pBar->setDrawBase(false);
    m_pBar->setExpanding(false);
    m_pBar->setUsesScrollButtons(true);
    m_pBar->setElideMode(Qt::ElideNone);
    m_pBar->installEventFilter(this);
    connect(m_pBar, &QTabBar::currentChanged, this, &CQtTabPeer::OnNativeSelect);
}

void CQtTabPeer::OnNativeSelect(int index) {
    // Mouse and keys are filtered: only an assistive technology's press on a tab changes the
    // bar by itself. It goes to the control as a click, from the event loop once the caller
    // has its answer (as Qt's buttons do); a press the control refuses, or one that finds the
    // UI blocked, leaves the bar showing the control's tab again.
    if (!TakeNativeChange())
        return;
    QTimer::singleShot(0, this, [this, index] {
        if (!TakeNativeChange())
            return;
        if (index >= 0 && index < ControlAs<CTabCtrl>().GetItemCount())
            ControlAs<CTabCtrl>().ClickByUser(index);
        Refresh();
    });
}

void CQtTabPeer::Place(const QRect& rect) {
    CQtPeer::Place(rect);
    LayOut();
}

void CQtTabPeer::SetAccessibleLabel(const QString& label) {
    Widget()->setAccessibleName(label);
    m_pBar->setAccessibleName(label);
}

CRect CQtTabPeer::ItemRect(int index) const {
    if (index < 0 || index >= m_pBar->count())
        return CRect{};
    const QRect item = m_pBar->tabRect(index).translated(m_pBar->pos());
    return CRect{item.left(), item.top(), item.right() + 1, item.bottom() + 1};
}

void CQtTabPeer::LayOut() {
    const QSize bar = m_pBar->sizeHint();
    const int barHeight = m_pBar->count() > 0 ? bar.height() : 0;
    m_pBar->setGeometry(0, 0, std::min(bar.width(), Widget()->width()), barHeight);
    // The selected tab stands on the pane's top edge.
    const int paneTop = std::max(0, barHeight - 1);
    m_pPane->setGeometry(0, paneTop, Widget()->width(), Widget()->height() - paneTop);
    m_pPane->lower();
    m_pBar->raise();
}

void CQtTabPeer::RefreshWidget() {
    const CTabCtrl& tab = ControlAs<CTabCtrl>();
    bool same = m_pBar->count() == tab.GetItemCount();
    for (int i = 0; same && i < tab.GetItemCount(); ++i)
        same = m_pBar->tabText(i) == DisplayText(tab.GetItemText(i));
    if (!same) {
        while (m_pBar->count() > 0)
            m_pBar->removeTab(0);
        for (int i = 0; i < tab.GetItemCount(); ++i)
            m_pBar->addTab(DisplayText(tab.GetItemText(i)));
    }
    if (tab.GetCurSel() >= 0 && m_pBar->currentIndex() != tab.GetCurSel())
        m_pBar->setCurrentIndex(tab.GetCurSel());
    LayOut();
}

bool CQtTabPeer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_pBar || !FromOperator())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const int index = m_pBar->tabAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && index >= 0)
            ControlAs<CTabCtrl>().ClickByUser(index);
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        // The bar would change tabs by itself; the control decides.
        return true;
    case QEvent::KeyPress:
        return OnKey(static_cast<const QKeyEvent*>(event)->key());
    default:
        return false;
    }
}

bool CQtTabPeer::OnKey(int key) {
    CTabCtrl& tab = ControlAs<CTabCtrl>();
    const int count = tab.GetItemCount();
    const int current = tab.GetCurSel();
    int target = current;
    switch (key) {
    case Qt::Key_Left:
        target = current - 1;
        break;
    case Qt::Key_Right:
        target = current + 1;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count - 1;
        break;
    default:
        return false;
    }
    if (count > 0)
        tab.SelectByKeyboard(std::clamp(target, 0, count - 1));
    return true;
}
