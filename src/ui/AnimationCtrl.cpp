#include "ui/AnimationCtrl.h"

void CAnimationCtrl::Reset() {
    CControl::Reset();
    m_nClip = 0;
    m_bPlaying = false;
}

bool CAnimationCtrl::Open(int clipResourceId) {
    m_nClip = clipResourceId;
    Changed();
    return true;
}

void CAnimationCtrl::Play() {
    m_bPlaying = m_nClip != 0;
    Changed();
}

void CAnimationCtrl::Stop() {
    m_bPlaying = false;
    Changed();
}
