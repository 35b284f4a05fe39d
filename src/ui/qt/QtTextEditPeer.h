#pragma once

#include <QPalette>

#include "ui/qt/QtPeer.h"

class CEditCtrl;
class QPlainTextEdit;

// A multi-line edit (the log pane among others). The control's text keeps the platform's
// "\r\n" line ends; the widget shows lines. Text appended by code is appended to the widget
// rather than set anew, and the caret is scrolled into view, so a growing log follows its end.
class CQtTextEditPeer final : public CQtPeer {
public:
    CQtTextEditPeer(CEditCtrl& edit, QWidget* window);

protected:
    void RefreshWidget() override;

private:
    QPlainTextEdit* TextEdit() const;
    void OnEdited();
    void ReportSelection();

    QPalette m_editablePalette;
};
