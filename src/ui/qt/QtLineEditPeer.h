#pragma once

#include <QPalette>

#include "ui/qt/QtPeer.h"

class CEditCtrl;
class QLineEdit;

// A single-line edit: QLineEdit edits natively (typing, clipboard, input method, a text set
// through the accessibility bus) and every change of its text goes to CEditCtrl::OnTextEdited;
// caret and selection follow the control both ways.
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
