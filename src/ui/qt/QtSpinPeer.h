#pragma once

#include <QRect>

#include "ui/qt/QtPeer.h"

class CSpinCtrl;
class QToolButton;

// A spin button: two arrow buttons beside the buddy control (the one set with SetBuddy, or
// with ControlStyle::AutoBuddy the control before it). An arrow press goes to StepByUser,
// which notifies and writes the buddy. It never takes the focus, like the platform's.
class CQtSpinPeer final : public CQtPeer {
public:
    CQtSpinPeer(CSpinCtrl& spin, QWidget* window);

    void Place(const QRect& rect) override;
    void SetAccessibleLabel(const QString& label) override;

protected:
    void RefreshWidget() override;

private:
    QWidget* BuddyWidget() const;
    void Step(int delta);

    QRect m_templateRect;
    QToolButton* m_pUp = nullptr;
    QToolButton* m_pDown = nullptr;
};
