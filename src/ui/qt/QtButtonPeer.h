#pragma once

#include "ui/qt/QtPeer.h"

class CButtonCtrl;
class QAbstractButton;

// Push button, check box or radio button. A click goes to CButtonCtrl::Click, which decides
// the check state (radio groups are the framework's, not Qt's auto-exclusive siblings) and
// notifies; Enter never clicks through Qt's default-button logic.
class CQtButtonPeer final : public CQtPeer {
public:
    CQtButtonPeer(CButtonCtrl& button, QWidget* window);

    void SetAccessibleLabel(const QString& label) override;

protected:
    void RefreshWidget() override;

private:
    QAbstractButton* Button() const;

    QString m_fallbackName;
};
