#pragma once

#include <QPalette>

#include "ui/qt/QtPeer.h"

class CEditCtrl;
class QLineEdit;

// A single-line edit: QLineEdit edits natively and reports the result with
// CEditCtrl::OnTextEdited; caret and selection follow the control both ways.
class CQtLineEditPeer final : public CQtPeer {
public:
    CQtLineEditPeer(CEditCtrl& edit, QWidget* window);

protected:
    void RefreshWidget() override;

private:
    QLineEdit* LineEdit() const;
    void OnEdited(const QString& text);
    // Tells the control the selection the operator made in the widget.
    void ReportSelection();

    QPalette m_editablePalette;
};
