#include "ui/qt/QtSpinPeer.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/Dialog.h"
#include "ui/SpinCtrl.h"

namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(80);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

QWidget* MakeSpin(QWidget* window) {
    auto* spin = new QWidget(window);
    auto* layout = new QVBoxLayout(spin);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return spin;
}

} // namespace

CQtSpinPeer::CQtSpinPeer(CSpinCtrl& spin, QWidget* window) : CQtPeer(spin, MakeSpin(window)) {
    m_pUp = MakeArrow(Qt::UpArrow, Widget());
    m_pDown = MakeArrow(Qt::DownArrow, Widget());
    Widget()->layout()->addWidget(m_pUp);
    Widget()->layout()->addWidget(m_pDown);
    connect(m_pUp, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CQtSpinPeer::Step(int delta) {
    if (TakeNativeChange())
        ControlAs<CSpinCtrl>().StepByUser(delta);
}

void CQtSpinPeer::Place(const QRect& rect) {
    m_templateRect = rect;
    CQtPeer::Place(rect);
}

void CQtSpinPeer::SetAccessibleLabel(const QString& label) {
    Widget()->setAccessibleName(label);
    m_pUp->setAccessibleName(label + QStringLiteral(" up"));
    m_pDown->setAccessibleName(label + QStringLiteral(" down"));
}

QWidget* CQtSpinPeer::BuddyWidget() const {
    const CSpinCtrl& spin = ControlAs<CSpinCtrl>();
    const CControl* buddy = nullptr;
    if (spin.GetBuddy() != 0) {
        buddy = spin.Owner().GetDlgItem(spin.GetBuddy());
    } else if (spin.HasStyle(ControlStyle::AutoBuddy)) {
        const auto& controls = spin.Owner().Controls();
        const auto self = std::find(controls.begin(), controls.end(), &spin);
        if (self != controls.begin() && self != controls.end())
            buddy = *(self - 1);
    }
    const CQtPeer* peer = buddy ? CQtPeer::Of(*buddy) : nullptr;
    return peer ? peer->Widget() : nullptr;
}

void CQtSpinPeer::RefreshWidget() {
    // The arrows sit against the right edge of the buddy, as high as it.
    QRect rect = m_templateRect;
    if (const QWidget* buddy = BuddyWidget()) {
        const QRect next = buddy->geometry();
        rect = QRect(next.right() + 1, next.top(), std::max(12, m_templateRect.width()),
                     next.height());
    }
    if (Widget()->geometry() != rect)
        Widget()->setGeometry(rect);
}
