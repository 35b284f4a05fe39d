#pragma once

#include <array>

#include "ui/Control.h"

// An IP address control: four fields of 0 to 255, each possibly blank.
class CIpAddressCtrl : public CControl {
public:
    using CControl::CControl;

    // Fills the four fields; returns how many of them are not blank (the platform's count).
    int GetAddress(int& f0, int& f1, int& f2, int& f3) const;
    void SetAddress(int f0, int f1, int f2, int f3);
    void ClearAddress();
    bool IsBlank() const;
    // Field `index` as the operator left it: -1 when blank.
    int GetField(int index) const;
    // The operator edits one field (-1 empties it); sends EN_CHANGE.
    void SetFieldByUser(int index, int value);

    void Reset() override;

private:
    std::array<int, 4> m_fields{-1, -1, -1, -1};
};
