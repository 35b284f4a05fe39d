#include "ui/qt/QtAnimationWidget.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int kFrameMs = 60;
constexpr int kStepDegrees = 24;
} // namespace

CQtAnimationWidget::CQtAnimationWidget(QWidget* parent) : QWidget(parent) {
    m_timer.setInterval(kFrameMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_nAngle = (m_nAngle + kStepDegrees) % 360;
        update();
    });
}

void CQtAnimationWidget::SetPlaying(bool playing) {
    if (playing == IsPlaying())
        return;
    if (playing)
        m_timer.start();
    else
        m_timer.stop();
    update();
}

void CQtAnimationWidget::paintEvent(QPaintEvent*) {
    if (!IsPlaying())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::max(4, std::min(width(), height()) - 4);
    const QRectF box((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    const qreal pen = std::max(2.0, side / 6.0);
    painter.setPen(QPen(palette().color(QPalette::Mid), pen));
    painter.drawEllipse(box);
    painter.setPen(QPen(palette().color(QPalette::Highlight), pen, Qt::SolidLine, Qt::RoundCap));
    // Qt counts arcs in sixteenths of a degree, counter-clockwise: turn clockwise.
    painter.drawArc(box, -m_nAngle * 16, 100 * 16);
}
