#pragma once

#include "ui/qt/QtPeer.h"

class CAnimationCtrl;
class CQtAnimationWidget;

// An animation control: any clip shows as the turning arc while the control plays.
class CQtAnimationPeer final : public CQtPeer {
public:
    CQtAnimationPeer(CAnimationCtrl& animation, QWidget* window);

protected:
    void RefreshWidget() override;

private:
    CQtAnimationWidget* AnimationWidget() const;
};
