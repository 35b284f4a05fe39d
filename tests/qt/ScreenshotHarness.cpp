#include "ScreenshotHarness.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

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

std::string RenderToPng(CQtBackend& backend, CDialog& dialog, const std::string& name,
                        const std::function<void(CDialog&)>& otherModal) {
    QImage image;
    if (dialog.GetSafeHwnd() != 0) {
        image = GrabDialog(backend, dialog);
    } else if (dialog.Resource().child) {
        dialog.Create();
        QCoreApplication::processEvents();
        image = GrabDialog(backend, dialog);
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
            image = GrabDialog(backend, dialog);
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
        backend.OnModalShown(previousHook);
    }
    const QString directory = QStringLiteral(SCREENSHOT_DIR);
    QDir().mkpath(directory);
    const QString path =
        directory + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".png");
    EXPECT_FALSE(image.isNull()) << name << " has no window to take a picture of";
    EXPECT_FALSE(IsBlank(image)) << name << " renders blank";
    EXPECT_TRUE(image.isNull() || image.save(path)) << "cannot write " << path.toStdString();
    return path.toStdString();
}
