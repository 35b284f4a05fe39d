#pragma once

#include <string_view>

#include "ui/Types.h"

// The renderer's side of one control. A backend that shows controls attaches a peer to each
// control of a window it creates and detaches it before the window goes; controls without a
// peer (the scripted backend) keep working on their state alone.
class IControlPeer {
public:
    virtual ~IControlPeer() = default;
    // The control's state changed in code; the peer brings its widget in step. Called on the
    // UI thread, never while the peer itself is delivering a notification for the same change.
    virtual void Refresh() = 0;
    // `text` was appended to an edit's text by code (the log pane); a peer may add just that.
    virtual void TextAppended(std::string_view) { Refresh(); }
    // Client rectangle in pixels, and the rectangle of item `index` (tab items), in pixels
    // relative to the control's client area.
    virtual CRect ClientRect() const = 0;
    virtual CRect ItemRect(int index) const = 0;
    // Gives the widget the keyboard focus.
    virtual void SetFocus() = 0;
};
