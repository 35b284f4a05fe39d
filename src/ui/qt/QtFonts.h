#pragma once

#include <QFont>

#include "ui/DialogResource.h"

// Fonts of rendered dialogs and the dialog-unit metrics derived from them.

// The font a resource asks for: "System" is the platform's default face at the given size;
// any other face (such as "Arial") is matched by fontconfig, which maps Arial onto a
// metric-compatible face (Liberation Sans).
QFont DialogFont(const CDialogResource& resource);
// The fixed-width face at the size of `dialogFont`, for lists and edits that ask for one.
QFont FixedFont(const QFont& dialogFont);
// The large bold caption of group boxes that ask for the "SYSTEM" face at 20 points: that face
// is a bitmap font with a single size, so the captions came out bold at about 16 pixels.
QFont LargeCaptionFont(const QFont& dialogFont);

// Pixels per 4 horizontal and 8 vertical dialog units: the average width of the 52 letters
// (rounded) and the font's line height.
CSize BaseUnits(const QFont& font);
