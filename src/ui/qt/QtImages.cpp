#include "ui/qt/QtImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

// Every image is drawn on a 16 x 16 grid and scaled to the size asked for.

void DrawSerialPlug(QPainter& p) {
    // A D-sub plug seen from the front with its cable leaving downwards.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(7, 10, 2, 6));
    QPainterPath shell;
    shell.moveTo(1.5, 2.5);
    shell.lineTo(14.5, 2.5);
    shell.lineTo(12.5, 9.5);
    shell.lineTo(3.5, 9.5);
    shell.closeSubpath();
    p.drawPath(shell);
    p.setBrush(QColor(0x9a, 0x9a, 0x9a));
    for (int pin = 0; pin < 5; ++pin)
        p.drawEllipse(QPointF(3.8 + pin * 2.1, 4.8), 0.7, 0.7);
    for (int pin = 0; pin < 4; ++pin)
        p.drawEllipse(QPointF(4.9 + pin * 2.1, 7.2), 0.7, 0.7);
}

void DrawApplianceBox(QPainter& p) {
    // A cable curling out of the box's right side.
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(13, 9);
    cable.cubicTo(16, 9, 15, 14, 12, 14.5);
    cable.lineTo(9, 15);
    p.drawPath(cable);
    QLinearGradient fill(0, 5, 0, 12);
    fill.setColorAt(0, QColor(0xc4, 0xc4, 0xc4));
    fill.setColorAt(1, QColor(0x8c, 0x8c, 0x8c));
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.8));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 5, 12.5, 7), 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0xc0, 0x20));
    p.drawEllipse(QPointF(3.5, 8.5), 0.9, 0.9);
    p.setBrush(QColor(0x60, 0x60, 0x60));
    p.drawRect(QRectF(6, 8, 5.5, 1));
}

// The square's one-pixel white border is the image list's transparent colour, so only the
// coloured square is drawn.
void DrawStatusSquare(QPainter& p, const QColor& colour) {
    p.fillRect(QRectF(1, 1, 14, 14), colour);
}

QPixmap Draw(int resourceId, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    switch (resourceId) {
    case ImageId::SerialPlug:
        DrawSerialPlug(painter);
        break;
    case ImageId::ApplianceBox:
        DrawApplianceBox(painter);
        break;
    case ImageId::StatusGreen:
        painter.setRenderHint(QPainter::Antialiasing, false);
        DrawStatusSquare(painter, QColor(0, 255, 0));
        break;
    case ImageId::StatusYellow:
        painter.setRenderHint(QPainter::Antialiasing, false);
        DrawStatusSquare(painter, QColor(255, 255, 0));
        break;
    case ImageId::StatusRed:
        painter.setRenderHint(QPainter::Antialiasing, false);
        DrawStatusSquare(painter, QColor(255, 0, 0));
        break;
    default:
        break;
    }
    return pixmap;
}

} // namespace

QPixmap ResourceImage(int resourceId, int size) {
    if (resourceId == ImageId::AppIcon)
        return ApplicationIcon().pixmap(size);
    const QString key = QStringLiteral("velmora-image-%1-%2").arg(resourceId).arg(size);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = Draw(resourceId, size);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QIcon ApplicationIcon() {
    // The PNG sizes rendered from the installed SVG (packaging/icons); Qt picks the nearest
    // one for each size and device pixel ratio.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/app-icon/%1.png").arg(size), QSize(size, size));
    return icon;
}
