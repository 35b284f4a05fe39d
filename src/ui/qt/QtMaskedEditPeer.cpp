#include "ui/qt/QtMaskedEditPeer.h"

#include "ui/EditCtrl.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtMaskedEditWidget.h"

namespace {

CQtMaskedEditWidget* MakeMaskedEdit(CEditCtrl& edit, QWidget* window) {
    auto* widget = new CQtMaskedEditWidget(window);
    if (edit.HasStyle(ControlStyle::FixedFont))
        widget->setFont(FixedFont(window->font()));
    widget->SetControl(&edit);
    return widget;
}

} // namespace

CQtMaskedEditPeer::CQtMaskedEditPeer(CEditCtrl& edit, QWidget* window)
    : CQtPeer(edit, MakeMaskedEdit(edit, window)) {}

CQtMaskedEditWidget* CQtMaskedEditPeer::EditWidget() const {
    return static_cast<CQtMaskedEditWidget*>(Widget());
}

void CQtMaskedEditPeer::RefreshWidget() {
    EditWidget()->ShowControlState();
}

void CQtMaskedEditPeer::OnDetached() {
    EditWidget()->SetControl(nullptr);
}
