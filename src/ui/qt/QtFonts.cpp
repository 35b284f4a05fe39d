#include "ui/qt/QtFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <cmath>

QFont DialogFont(const CDialogResource& resource) {
    const int points = resource.fontSize > 0 ? resource.fontSize : 9;
    const QString face = QString::fromStdString(resource.fontFace);
    if (face.isEmpty() || face.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0) {
        QFont font = QGuiApplication::font();
        font.setPointSize(points);
        return font;
    }
    QFont font(face, points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont FixedFont(const QFont& dialogFont) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (dialogFont.pointSizeF() > 0)
        font.setPointSizeF(dialogFont.pointSizeF());
    return font;
}

QFont LargeCaptionFont(const QFont& dialogFont) {
    QFont font = dialogFont;
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

CSize BaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return CSize{static_cast<int>(std::lround(width / 52.0)), metrics.height()};
}
