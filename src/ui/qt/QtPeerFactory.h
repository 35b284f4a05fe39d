#pragma once

class CControl;
class CQtPeer;
class QWidget;

// Makes the widget and peer for `control` inside the dialog window `window` and attaches the
// peer to the control; the widget belongs to `window`. The caller places and refreshes it.
CQtPeer* MakePeer(CControl& control, QWidget* window);
