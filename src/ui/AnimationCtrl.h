#pragma once

#include "ui/Control.h"

// An animation control playing a clip resource in a loop; the renderer draws the clip.
class CAnimationCtrl : public CControl {
public:
    using CControl::CControl;

    bool Open(int clipResourceId);
    void Play();
    void Stop();
    bool IsPlaying() const { return m_bPlaying; }
    int Clip() const { return m_nClip; }

    void Reset() override;

private:
    int m_nClip = 0;
    bool m_bPlaying = false;
};
