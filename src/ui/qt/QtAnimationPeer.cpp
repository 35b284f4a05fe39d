#include "ui/qt/QtAnimationPeer.h"

#include "ui/AnimationCtrl.h"
#include "ui/qt/QtAnimationWidget.h"

CQtAnimationPeer::CQtAnimationPeer(CAnimationCtrl& animation, QWidget* window)
    : CQtPeer(animation, new CQtAnimationWidget(window)) {}

CQtAnimationWidget* CQtAnimationPeer::AnimationWidget() const {
    return static_cast<CQtAnimationWidget*>(Widget());
}

void CQtAnimationPeer::RefreshWidget() {
    AnimationWidget()->SetPlaying(ControlAs<CAnimationCtrl>().IsPlaying());
}
