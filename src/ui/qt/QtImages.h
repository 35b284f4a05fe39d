#pragma once

#include <QIcon>
#include <QPixmap>

// The program's images: image lists and icon controls name them by resource id. The
// application icon comes from the PNGs rendered from its SVG; the others are drawn in code.
namespace ImageId {
constexpr int AppIcon = 145;
constexpr int SerialPlug = 159;
constexpr int ApplianceBox = 160;
constexpr int StatusGreen = 161;
constexpr int StatusYellow = 162;
constexpr int StatusRed = 163;
} // namespace ImageId

// The image `resourceId` as a `size` x `size` pixmap; an unknown id gives a transparent one.
// Cached in the application's pixmap cache. Needs a QGuiApplication.
QPixmap ResourceImage(int resourceId, int size = 16);
// The application icon (145) in every size from 16 to 256 pixels, for windows, message boxes
// and the About box.
QIcon ApplicationIcon();
