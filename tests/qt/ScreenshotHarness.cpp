#include "ScreenshotHarness.h"

#include <algorithm>

#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include "ui/Control.h"
#include "ui/Dialog.h"
#include "ui/qt/QtBackend.h"

QImage GrabDialog(const CQtBackend& backend, const CDialog& dialog) {
    QWidget* window = backend.WindowOf(dialog);
    return window ? window->grab().toImage() : QImage();
}

bool IsBlank(const QImage& image) {
    if (image.isNull())
        return true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

void ExpectNoClippedText(const CDialog& dialog, const std::string& name) {
    for (const CControl* control : dialog.Controls()) {
        const auto* label = qobject_cast<const QLabel*>(CQtBackend::WidgetOf(*control));
        if (control->Kind() != ControlKind::Static || !label)
            continue;
        // A line end an appliance reply left at the end adds an empty line, not a clipped one.
        QString text = label->text();
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
        if (text.isEmpty())
            continue;
        // A label one line high shows one line even when the font's line is a pixel taller;
        // what it cannot show is a text wider than itself or wrapped onto more lines.
        const QRect room = label->contentsRect();
        const QFontMetrics metrics = label->fontMetrics();
        const QRect needed =
            metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 1 << 20)),
                                 static_cast<int>(label->alignment()) | Qt::TextWordWrap, text);
        const int lines = std::max(1, needed.height() / metrics.lineSpacing());
        const int roomLines = std::max(1, (room.height() + 1) / metrics.lineSpacing());
        EXPECT_TRUE(needed.width() <= room.width() && lines <= roomLines)
            << name << ": \"" << text.toStdString() << "\" needs " << needed.width() << "x"
            << needed.height() << " but has " << room.width() << "x" << room.height()
            << " at scale " << qApp->devicePixelRatio();
    }
}

std::string RenderToPng(CQtBackend& backend, CDialog& dialog, const std::string& name,
                        const std::function<void(CDialog&)>& otherModal) {
    QImage image;
    const auto take = [&] {
        image = GrabDialog(backend, dialog);
        ExpectNoClippedText(dialog, name);
    };
    if (dialog.GetSafeHwnd() != 0) {
        take();
    } else if (dialog.Resource().child) {
        dialog.Create();
        QCoreApplication::processEvents();
        take();
        dialog.DestroyWindow();
    } else {
        const std::function<void(CDialog&)> previousHook = backend.ModalShownHook();
        backend.OnModalShown([&](CDialog& shown) {
            if (&shown != &dialog) {
                if (otherModal)
                    otherModal(shown);
                else
                    shown.EndDialog(IDCANCEL);
                return;
            }
            take();
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
        backend.OnModalShown(previousHook);
    }
    const QString directory = QStringLiteral(SCREENSHOT_DIR);
    QDir().mkpath(directory);
    // A run at QT_SCALE_FACTOR=2 writes <name>@2x.png beside the ordinary pictures.
    const qreal scale = qApp->devicePixelRatio();
    const QString suffix = scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString();
    const QString path = directory + QLatin1Char('/') + QString::fromStdString(name) + suffix +
                         QStringLiteral(".png");
    EXPECT_FALSE(image.isNull()) << name << " has no window to take a picture of";
    EXPECT_FALSE(IsBlank(image)) << name << " renders blank";
    EXPECT_TRUE(image.isNull() || image.save(path)) << "cannot write " << path.toStdString();
    return path.toStdString();
}
