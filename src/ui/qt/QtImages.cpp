#include "ui/qt/QtImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

// Every image is drawn on a 16 x 16 grid and scaled to the size asked for.

void DrawAppIcon(QPainter& p) {
    QLinearGradient fill(0, 0, 0, 16);
    fill.setColorAt(0, QColor(0x3d, 0x8e, 0xe0));
    fill.setColorAt(1, QColor(0x1a, 0x4f, 0x96));
    p.setPen(QPen(QColor(0x12, 0x3a, 0x70), 0.6));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    // A "V" of two links meeting at a node: the appliance joining two sides.
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(4, 4.5), QPointF(8, 11.5));
    p.drawLine(QPointF(12, 4.5), QPointF(8, 11.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(4, 4.5), 1.7, 1.7);
    p.drawEllipse(QPointF(12, 4.5), 1.7, 1.7);
    p.setBrush(QColor(0xff, 0xd2, 0x4a));
    p.drawEllipse(QPointF(8, 11.5), 1.9, 1.9);
}

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

void DrawStatusSquare(QPainter& p, const QColor& colour) {
    p.fillRect(QRectF(0, 0, 16, 16), Qt::white);
    p.fillRect(QRectF(1, 1, 14, 14), colour);
}

QPixmap Draw(int resourceId, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    switch (resourceId) {
    case ImageId::AppIcon:
        DrawAppIcon(painter);
        break;
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
    const QString key = QStringLiteral("velmora-image-%1-%2").arg(resourceId).arg(size);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = Draw(resourceId, size);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(ResourceImage(ImageId::AppIcon, size));
    return icon;
}
