#pragma once

#include "ui/Control.h"

// A spin button (up-down control) bound to a buddy edit; with the SetBuddyInt style it writes
// its position into the buddy as decimal text.
class CSpinCtrl : public CControl {
public:
    using CControl::CControl;

    void SetBuddy(int buddyId);
    int GetBuddy() const { return m_nBuddy; }
    void SetRange(int lower, int upper);
    int GetLower() const { return m_nLower; }
    int GetUpper() const { return m_nUpper; }
    // Position: with a buddy that takes integers, read from the buddy's text as the platform
    // does (clamped to the range).
    int GetPos() const;
    void SetPos(int pos);

    // The operator presses an arrow: +1 up, -1 down. UDN_DELTAPOS goes to the owner first,
    // then the position moves within the range and the buddy shows it.
    void StepByUser(int delta);

    void Reset() override;

private:
    void WriteBuddy();

    int m_nBuddy = 0;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
};
