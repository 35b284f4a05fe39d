#pragma once

#include "ui/qt/QtPeer.h"

class CEditCtrl;
class CQtMaskedEditWidget;

// The peer of an edit whose control owns its input (ControlStyle::Masked); the widget does
// the work, see CQtMaskedEditWidget.
class CQtMaskedEditPeer final : public CQtPeer {
public:
    CQtMaskedEditPeer(CEditCtrl& edit, QWidget* window);

protected:
    void RefreshWidget() override;
    void OnDetached() override;

private:
    CQtMaskedEditWidget* EditWidget() const;
};
