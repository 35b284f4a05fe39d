#pragma once

#include "ui/Types.h"

// Notification code of the exchange a masked edit has with its parent when it loses the focus.
constexpr int MEN_VALIDATE = 0x8136;

// Sent to the parent with MEN_VALIDATE (WM_NOTIFY, the control id in wParam, the record's
// address in lParam). The parent may change the record before its handler returns; the
// control reads it afterwards. It lives on the control's stack for the one exchange.
struct MaskedEditValidateInfo {
    CNotification hdr;           // the control's id and MEN_VALIDATE
    bool valid = true;           // false: the input is refused
    bool runDefaultCheck = true; // true: the control's own ValidateOnLeave() decides as well
    int caretPosition = 0;       // where the caret goes when the input is refused
};
