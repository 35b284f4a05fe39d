#pragma once

#include "ui/qt/QtPeer.h"

class QGroupBox;

// A group box: a frame with a caption, behind the controls it groups and transparent to the
// mouse. ControlStyle::LargeFont gives the large bold caption.
class CQtGroupBoxPeer final : public CQtPeer {
public:
    CQtGroupBoxPeer(CControl& control, QWidget* window);

    void Place(const QRect& rect) override;

protected:
    void RefreshWidget() override;

private:
    QGroupBox* GroupBox() const;
};
