#pragma once

#include <string>
#include <vector>

#include "ui/DialogResource.h"

// The names screen readers and UI automation find the controls of a dialog by: a control's
// own label; for an edit, list, tree, combo box, IP address control or spin button the text
// that labels it on screen (the nearest static text or radio button to its left on the same
// row, else the nearest static text just above it), else the caption of the group box around
// it; else the kind of control ("Log" for a read-only multi-line edit). Mnemonic markers are
// left in.
struct CAccessibleLabel {
    std::string text;
    // Index of the static text or radio button the text comes from, -1 for any other source.
    int source = -1;
};

// One entry per template, in order.
std::vector<CAccessibleLabel> AccessibleLabels(const std::vector<CControlTemplate>& controls);
