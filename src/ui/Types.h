#pragma once

#include <cstdint>
#include <string>

// Window messages, command results and notification codes of the dialog framework. The
// numbers are those of the platform the program was written for, so that messages the
// program defines itself (WM_USER + n) and codes it compares keep their meaning.

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using UINT = unsigned int;

// Dialog results and standard button ids.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Messages.
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_USER = 0x0400;

// Command notification codes (WM_COMMAND).
constexpr int BN_CLICKED = 0;
constexpr int EN_SETFOCUS = 0x0100;
constexpr int EN_KILLFOCUS = 0x0200;
constexpr int EN_CHANGE = 0x0300;
constexpr int EN_UPDATE = 0x0400;
constexpr int CBN_SELCHANGE = 1;
constexpr int CBN_EDITCHANGE = 5;

// Notification codes (WM_NOTIFY).
constexpr int NM_CLICK = -2;
constexpr int NM_DBLCLK = -3;
constexpr int NM_RCLICK = -5;
constexpr int NM_SETFOCUS = -7;
constexpr int NM_KILLFOCUS = -8;
constexpr int LVN_ITEMCHANGED = -101;
constexpr int HDN_ITEMDBLCLICK = -303;
constexpr int TVN_SELCHANGED = -402;
constexpr int TVN_ITEMEXPANDED = -406;
constexpr int TCN_SELCHANGE = -551;
constexpr int UDN_DELTAPOS = -722;
constexpr int IPN_FIELDCHANGED = -860;

// Message box styles and results.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONINFORMATION = 0x0040;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

struct CPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CPoint&) const = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const CSize&) const = default;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const CRect&) const = default;
};

// A notification from a control to its dialog (the platform's WM_COMMAND code or WM_NOTIFY
// header plus the few details the handlers read).
struct CNotification {
    int id = 0;    // control id of the sender
    int code = 0;  // EN_CHANGE, NM_CLICK, LVN_ITEMCHANGED, ...
    int item = -1; // row or item index, where the notification carries one
    CPoint point;  // client position of a click, where the notification carries one
    int delta = 0; // UDN_DELTAPOS: the proposed change of position
};

// A message as posted to or sent to a dialog window.
struct CMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    CNotification notify; // for WM_COMMAND and WM_NOTIFY
};

inline CNotification MakeNotification(int id, int code, int item = -1) {
    CNotification notification;
    notification.id = id;
    notification.code = code;
    notification.item = item;
    return notification;
}
