#pragma once

#include "ui/qt/QtPeer.h"

class QLabel;

// A static text or an icon: a QLabel that the mouse passes through, as the platform's statics.
class CQtLabelPeer final : public CQtPeer {
public:
    CQtLabelPeer(CControl& control, QWidget* window);

    void SetAccessibleLabel(const QString& label) override;

protected:
    void RefreshWidget() override;

private:
    QLabel* Label() const;

    QString m_fallbackName;
};
