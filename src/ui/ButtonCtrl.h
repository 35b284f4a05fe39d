#pragma once

#include "ui/Control.h"

// Push button, check box or radio button.
class CButtonCtrl : public CControl {
public:
    using CControl::CControl;

    // Check state of check boxes and radio buttons: 0 unchecked, 1 checked.
    int GetCheck() const { return m_nCheck; }
    void SetCheck(int check);

    // The operator clicks the button: a check box toggles, a radio button checks itself and
    // unchecks the rest of its group; then BN_CLICKED goes to the owner.
    void Click();

    void Reset() override;

private:
    int m_nCheck = 0;
};
